// SPDX-License-Identifier: GPL-3.0-or-later
// Chinese names of the world-city zones from the CLDR data in ICU: for each
// IANA zone read from standard input, its exemplar city in English and in
// Chinese (TimeZoneNames::getExemplarLocationName) and its country, code and
// Chinese name (TimeZone::getRegion, Locale::getDisplayCountry).
// Build: c++ -O2 -o zone_names_zh tools/zone_names_zh.cpp $(pkg-config --cflags --libs icu-i18n)
// Usage: zone_names_zh < zones.txt   (one zone, or one two-letter country code, a line)
// Output lines: zone <TAB> English city <TAB> Chinese city <TAB> country code <TAB> Chinese country;
// for a country code: code <TAB> Chinese country
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

#include <iostream>
#include <memory>
#include <string>

namespace {

std::string utf8(const icu::UnicodeString &s)
{
    std::string out;
    s.toUTF8String(out);
    return out;
}

} // namespace

int main()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale zh("zh");
    std::unique_ptr<icu::TimeZoneNames> zhNames(icu::TimeZoneNames::createInstance(zh, status));
    std::unique_ptr<icu::TimeZoneNames> enNames(icu::TimeZoneNames::createInstance(icu::Locale("en"), status));
    if (U_FAILURE(status)) {
        std::cerr << "ICU: " << u_errorName(status) << '\n';
        return 1;
    }
    std::string zone;
    while (std::getline(std::cin, zone)) {
        if (zone.empty())
            continue;
        if (zone.find('/') == std::string::npos) {
            icu::UnicodeString country;
            icu::Locale("", zone.c_str()).getDisplayCountry(zh, country);
            std::cout << zone << '\t' << utf8(country) << '\n';
            continue;
        }
        // CLDR keys its names by the canonical id (Asia/Calcutta for Asia/Kolkata).
        icu::UnicodeString id;
        UErrorCode canonicalStatus = U_ZERO_ERROR;
        icu::TimeZone::getCanonicalID(icu::UnicodeString::fromUTF8(zone), id, canonicalStatus);
        if (U_FAILURE(canonicalStatus))
            id = icu::UnicodeString::fromUTF8(zone);
        icu::UnicodeString en, cn, country;
        enNames->getExemplarLocationName(id, en);
        zhNames->getExemplarLocationName(id, cn);
        if (cn == en) // no Chinese name: ICU fell back to the id's own words
            cn.remove();
        char region[8] = {0};
        UErrorCode regionStatus = U_ZERO_ERROR;
        icu::TimeZone::getRegion(id, region, sizeof region, regionStatus);
        if (U_FAILURE(regionStatus) || std::string(region) == "001")
            region[0] = 0;
        if (region[0])
            icu::Locale("", region).getDisplayCountry(zh, country);
        std::cout << zone << '\t' << utf8(en) << '\t' << utf8(cn) << '\t' << region << '\t' << utf8(country) << '\n';
    }
    return 0;
}
