// Reading texts of the name-numerology page: the 81 number readings and the
// 125 three-talent readings. Titles, verdicts and grades are the method's
// fixed data; the commentary here is a short interim wording built from the
// verdict and grade, to be replaced by the project's full commentary file
// (same two variables, same shapes).
.pragma library

var shuLiTitles = [
    "",
    "太极之数", "两仪之数", "三才之数", "四象之数", "五行之数",
    "六爻之数", "七政之数", "八卦之数", "大成之数", "终结之数",
    "旱苗逢雨", "掘井无泉", "春日牡丹", "破兆", "福寿",
    "厚重", "刚强", "铁镜重磨", "多难", "屋下藏金",
    "明月中天", "秋草逢霜", "壮丽", "掘藏得金", "荣俊",
    "变怪", "增长", "阔水浮萍", "智谋", "非运",
    "春日花开", "宝马金鞍", "旭日升天", "破家", "高楼望月",
    "波澜重叠", "猛虎出林", "磨铁成针", "富贵荣华", "退安",
    "有德", "寒蝉在柳", "散财破产", "烦闷", "顺风",
    "浪里淘金", "点石成金", "古松立鹤", "转变", "小舟入海",
    "沉浮", "达眼", "曲卷难星", "石上栽花", "善恶",
    "浪里行舟", "日照春松", "晚行遇月", "寒蝉悲风", "无谋",
    "牡丹芙蓉", "衰败", "舟出平海", "非命", "巨流归海",
    "岩头步马", "顺风通达", "顺风吹帆", "非业", "残菊逢霜",
    "石上金花", "劳苦", "无勇", "残菊经霜", "退守",
    "离散", "半吉", "晚苦", "云头望月", "遁吉",
    "万物回春"
];

var luckyNumbers = [1, 3, 5, 6, 7, 11, 13, 15, 16, 21, 23, 24, 29, 31, 32, 33, 35, 37, 41, 45, 47, 48, 52,
                    57, 61, 63, 65, 67, 68, 81];
var halfLuckyNumbers = [8, 17, 18, 25, 30, 36, 38, 39, 49, 50, 51, 55, 58, 71, 72, 73, 77];

function shuLiVerdict(n) {
    if (luckyNumbers.indexOf(n) >= 0)
        return "吉";
    if (halfLuckyNumbers.indexOf(n) >= 0)
        return "半吉";
    return "不利";
}

var verdictWords = {
    "吉": {
        phrases: ["数理吉祥", "根基稳固", "顺势而进", "终得其成"],
        jiye: "此数属吉，事业易得助力，宜把握时机稳步开拓。",
        jiating: "此数属吉，家中多和睦，彼此扶持。",
        jiankang: "此数属吉，身心较为安和，仍宜起居有常。",
        hanyi: "为吉数，示顺遂通达之象。"
    },
    "半吉": {
        phrases: ["吉凶参半", "进退有度", "谨慎经营", "可望小成"],
        jiye: "此数吉凶互见，事业有成有阻，宜量力而行。",
        jiating: "此数吉凶互见，家中偶有分歧，多沟通则安。",
        jiankang: "此数吉凶互见，宜留意劳逸，防小恙积累。",
        hanyi: "为半吉之数，示得失相伴、守成可安之象。"
    },
    "不利": {
        phrases: ["数理欠佳", "多有波折", "宜守勿躁", "修身化解"],
        jiye: "此数不利，事业多起伏，宜稳守根本、避免冒进。",
        jiating: "此数不利，家中易生隔阂，宜多体谅包容。",
        jiankang: "此数不利，宜注意作息与调养，防劳累成疾。",
        hanyi: "为不利之数，示波折较多、宜谨慎自持之象。"
    }
};

function buildShuLi(n) {
    var verdict = shuLiVerdict(n);
    var w = verdictWords[verdict];
    return n + "（" + shuLiTitles[n] + "）" + w.phrases.join("，") + "（" + verdict + "）\n"
        + "基业：" + w.jiye + "\n"
        + "家庭：" + w.jiating + "\n"
        + "健康：" + w.jiankang + "\n"
        + "含义：“" + shuLiTitles[n] + "”" + w.hanyi + "\n";
}

var wuGeShuLiStr = [""];
for (var n = 1; n <= 81; n++)
    wuGeShuLiStr.push(buildShuLi(n));

var elementNames = "木火土金水";

// Grades by [heaven][person][earth], elements in the order 木 火 土 金 水.
var sanCaiGrades = [
    [["大吉", "大吉", "大吉", "咎多吉少", "吉多于咎"],
     ["大吉", "中吉", "大吉", "咎多于吉", "大不利"],
     ["大不利", "中吉", "吉", "吉多于咎", "大不利"],
     ["大不利", "大不利", "咎多于吉", "大不利", "大不利"],
     ["大吉", "咎多于吉", "咎多于吉", "大吉", "大吉"]],
    [["大吉", "大吉", "大吉", "咎多于吉", "中吉"],
     ["大吉", "中吉", "大吉", "大不利", "大不利"],
     ["吉多于咎", "大吉", "大吉", "大吉", "吉多于咎"],
     ["大不利", "大不利", "吉困参半", "大不利", "大不利"],
     ["咎多于吉", "大不利", "大不利", "大不利", "大不利"]],
    [["中吉", "中吉", "咎多于吉", "大不利", "咎多于吉"],
     ["大吉", "大吉", "大吉", "吉多于咎", "大不利"],
     ["中吉", "大吉", "大吉", "大吉", "咎多于吉"],
     ["咎多于吉", "咎多于吉", "大吉", "大吉", "大吉"],
     ["咎多于吉", "大不利", "大不利", "吉困参半", "大不利"]],
    [["咎多于吉", "咎多于吉", "咎多于吉", "大不利", "咎多于吉"],
     ["咎多于吉", "吉困参半", "吉困参半", "大不利", "大不利"],
     ["中吉", "大吉", "大吉", "大吉", "吉多于咎"],
     ["大不利", "大不利", "大吉", "中吉", "中吉"],
     ["大吉", "咎多于吉", "吉", "大吉", "中吉"]],
    [["大吉", "大吉", "大吉", "咎多于吉", "大吉"],
     ["中吉", "大不利", "咎多于吉", "大不利", "大不利"],
     ["大不利", "中吉", "中吉", "中吉", "大不利"],
     ["咎多于吉", "咎多于吉", "大吉", "中吉", "大吉"],
     ["大吉", "大不利", "大不利", "大吉", "中吉"]]
];

function gradeNote(grade) {
    if (grade.indexOf("不利") >= 0 || grade.indexOf("咎多") === 0)
        return "三者生克欠协调，宜以后天努力补其不足。";
    if (grade === "吉困参半")
        return "三者有生有克，顺逆参半，宜审时度势。";
    return "三者相生相助，配置较为协调。";
}

var sanCaiTable = [];
for (var t = 0; t < 5; t++) {
    sanCaiTable.push([]);
    for (var r = 0; r < 5; r++) {
        sanCaiTable[t].push([]);
        for (var d = 0; d < 5; d++) {
            var grade = sanCaiGrades[t][r][d];
            sanCaiTable[t][r].push(elementNames[t] + elementNames[r] + elementNames[d] + "【" + grade + "】\n"
                + "天才" + elementNames[t] + "、人才" + elementNames[r] + "、地才" + elementNames[d]
                + "，三才配置评为" + grade + "：" + gradeNote(grade) + "\n");
        }
    }
}
