// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Simplified <-> Traditional Chinese for what the window shows, from the
// OpenCC-derived table cpp/scriptConversion.txt (tools/gen_script_conversion.py),
// with this field's own writing laid over it (天干 keeps 干, 丑 stays 丑,
// clashes are 沖, calendars 曆). The numerology stroke map is a different
// question and stays in js/sim2tradTable.js.
namespace ScriptConverter {

// Longest phrase first at each place, else the character's usual Traditional
// form; characters the table does not hold come back unchanged.
QString toTraditional(const QString &text);

// Characters that exist only in Traditional writing, in their Simplified
// form; everything else (乾坤, 著作 ...) is left as written.
QString toSimplified(const QString &text);

// `text` in the window's script: 0 简体 (toSimplified), 1 繁體 (toTraditional).
QString toScript(const QString &text, int language);

// One simplified form per character, so texts written in either script
// compare equal (search keys).
QString fold(const QString &text);

// The characters of `text` that exist only in the other script than
// `language` (0 简体: Traditional-only ones, 1 繁體: Simplified-only ones),
// each once, in order of appearance.
QString foreignCharacters(const QString &text, int language);

// False when the table could not be read (the converter then answers its
// input unchanged).
bool isLoaded();

} // namespace ScriptConverter
