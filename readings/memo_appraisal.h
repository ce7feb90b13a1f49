#pragma once
// The AI memo: the lines each of its buttons appends to the client's remarks (備考), the
// one-point rules of stem pairs, the sixty-pillar reading and the traditional-medicine passages.
// The window only shows and stores what these return, so every rule is tested without it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/mandata.h"
#include "readings/passage_table.h"
#include "readings/topic_keys.h"

namespace suimei {

inline constexpr char kMemoCaption[] =
    "AI（人工知能）鑑定 自由に自分で文章を変更することができます。";
inline constexpr char kMemoPrintTitle[] = "【四柱推命ＡＩ（人工知能）鑑定文章】";
inline constexpr char kMemoProfessionalModeCaption[] = "プロ用成敗モード(喜忌を明確に表現します)";
inline constexpr char kMemoGeneralModeCaption[] = "一般用文章モード";
inline constexpr char kMemoHintByMode[] = "プロ用成敗モードと一般用で文章が異なります。";
inline constexpr char kMemoHintSame[] = "プロ用成敗モードと一般用で文章が同じです。";
inline constexpr char kMemoNotRunText[] = "鑑定実行していません。先に鑑定を行って下さい。";
inline constexpr char kOnePointHeading[] = "■ワンポイント奥義（天干の相互関係）．．あれば";

inline constexpr char kMedicineCaption[] = "中医学から見た健康管理と食事療法";
inline constexpr char kMedicineStemGroup[] = "十干別の健康管理と食事療法";
inline constexpr char kMedicineSymptomGroup[] = "症状から見た食事療法";

// What a button of the memo window does.
enum class MemoAction {
    Passage,      // appends headings and one passage of the passage table
    OnePoint,     // appends the heading and the one-point rules that hold
    Clear,        // empties the memo
    Print,        // prints the memo
    Medicine,     // opens the traditional-medicine window
    SixtyPillar,  // appends the sixty-pillar reading
    End,          // stores the memo and closes the window
};

struct MemoButtonEntry {
    std::string_view name;     // object name
    std::string_view caption;  // button text
    MemoAction action = MemoAction::Passage;
    MemoButton passage = MemoButton::Character;  // the key it reads (Passage only)
    bool needsRun = false;  // refused with kMemoNotRunText before a run (year or day stem 0)
    bool byMode = false;    // its text differs between the two modes
};

// Every button of the window, in the order of its button table.
inline constexpr std::array<MemoButtonEntry, 13> kMemoButtons = {{
    {"nisyubtn", "性格の鑑定文書", MemoAction::Passage, MemoButton::Character, true},
    {"nencyubtn", "社会運の外面鑑定", MemoAction::Passage, MemoButton::OuterSocial, true, true},
    {"tukicyubtn", "職場環境の能力鑑定", MemoAction::Passage, MemoButton::WorkplaceAbility, true,
     true},
    {"syakainaimen", "社会運の内面鑑定", MemoAction::Passage, MemoButton::InnerSocial},
    {"sinribtn", "職場環境心理鑑定", MemoAction::Passage, MemoButton::WorkplacePsychology},
    {"haigusyabtn", "配偶者への態度鑑定", MemoAction::Passage, MemoButton::SpouseAttitude},
    {"cyokobtn", "調候", MemoAction::Passage, MemoButton::Climate},
    {"ougibtn", "ワンポイント奥義文書生成", MemoAction::OnePoint},
    {"clsbtn", "文書を全削除", MemoAction::Clear},
    {"prnbtn", "印刷", MemoAction::Print},
    {"igakubtn", "中医学", MemoAction::Medicine},
    {"kansi60btn", "六十干支による鑑定", MemoAction::SixtyPillar},
    {"endbtn", "終了", MemoAction::End},
}};

// The lines a passage button puts before its passage, in the order of MemoButton.
struct MemoHeadings {
    int count;
    std::array<std::string_view, 3> lines;
};
inline constexpr std::array<MemoHeadings, 7> kMemoHeadings = {{
    {1, {" "}},                                                               // nisyubtn
    {2, {" ", "■社会運の外面的能力の鑑定（年柱）"}},                          // nencyubtn
    {2, {" ", "■職場環境で周囲からの評価、目上との関係の鑑定（月柱）"}},      // tukicyubtn
    {3, {" ", " ", "■社会運の内面鑑定（年柱十二運星）"}},                     // syakainaimen
    {3, {" ", " ", "■職場における深層心理の鑑定（月柱十二運星）"}},           // sinribtn
    {3, {" ", " ", "■配偶者に対する態度（日柱十二運星）"}},                   // haigusyabtn
    {2, {" ", "■生まれた季節と日主の天干から調候(十干体象)を鑑定します。"}},  // cyokobtn
}};

// The button of that object name; nullptr when there is none.
const MemoButtonEntry* memoButtonNamed(std::string_view name);

// True when the chart has not been appraised (year or day stem 0): the buttons that need a run
// append nothing.
bool memoNeedsRun(const Tmandata& chart);

// The lines a Passage button appends: its headings, then the passage of its key (nothing after
// the headings when the key cannot be formed or has no passage).
std::vector<std::string> memoPassageLines(const MemoButtonEntry& button, ReadingMode mode,
                                          const Tmandata& chart, PassageTable& passages);

// The one-point rules: which stem stands beside the day master (in the month or hour stem, the
// year stem too where it says so), which day master, an optional month branch, an optional
// element whose energy level must be above 3, or instead a pair of ten gods of the month and year
// stems.
struct OnePointCondition {
    int number;
    Stem companion;                       // 1..10; 0 for a ten-god rule
    bool yearStemToo;                     // the year stem counts as a companion as well
    Stem dayStem;                         // 1..10; 0 for a ten-god rule
    std::array<Branch, 3> monthBranches;  // any of them; all 0: any month
    int strongElement;                    // 1..5 (木..水) above energy level 3; 0: no condition
    int monthTenGod;                      // ten-god rules: month stem's and year stem's ten gods
    int yearTenGod;
};

struct OnePointRule {
    OnePointCondition when;
    std::string_view line;
};

inline constexpr std::string_view kMuddyStreamLine =
    "己土濁壬、すなわち小川の清流が田園の泥によって汚水になる悪さがあります。";
inline constexpr std::string_view kOfficerHurtLine =
    "傷官見官、すなわち正官が傷官によって剋される悪さが出ます。";
inline constexpr std::string_view kMixedOfficersLine =
    "官殺混雑、すなわち正官と偏官が出ていて優柔不断になります。殺強く日主弱きは淫女なり。";

// Stems 甲1 乙2 丙3 丁4 戊5 己6 庚7 辛8 壬9 癸10; branches 子1 丑2 寅3 卯4 巳6 午7 未8 亥12;
// elements 土3 水5; ten gods 偏官4 傷官7 正官9 (the chart's numbering). Tested in this order;
// every rule that holds adds its line (#, companion, year too, day stem, month branches, strong
// element, month ten god, year ten god).
inline constexpr std::array<OnePointRule, 25> kOnePointRules = {{
    {{1, 9, false, 3, {}, 0, 0, 0},
     "我が身の太陽が海にその光を投げかけ美しい風景を作っている命です。"},
    {{2, 1, false, 2, {}, 0, 0, 0},
     "我が身の草花が隣の樹木にまとわりついて、天高く伸びようとしています。"},
    {{3, 5, false, 4, {}, 0, 0, 0},
     "我が身の炉の火は、隣の炉によってその強さを調整してくれている良さがあります。"},
    {{4, 6, false, 4, {}, 0, 0, 0},
     "我が身の炉の火は、隣の仮の炉によってその強さを調整してくれている良さがあります。"},
    {{5, 3, false, 6, {12, 1, 2}, 0, 0, 0},
     "寒い冬の我が身の田園の土が、太陽によって暖められる良さがあります。"},
    {{6, 10, false, 6, {6, 7, 8}, 0, 0, 0},
     "暑い夏の我が身の田園の土が、雨によって水分を得る良さがあります。"},
    {{7, 4, false, 7, {}, 0, 0, 0},
     "我が身の鋼鉄が、火によって錬金され鍛え上げられる良さがあります。（頭の切れ）"},
    {{8, 9, false, 8, {}, 0, 0, 0}, "我が身の宝石が、小川の水によって清い洗われる良さがあります。"},
    {{9, 3, false, 9, {}, 0, 0, 0}, "我が身の大海が、太陽の光で美しく輝いています（江輝相映）。"},
    {{10, 5, false, 9, {}, 3, 0, 0},
     "小川の水が土によってせき止められ、美しい湖のようになっている良さがあります。"},
    {{11, 7, false, 1, {3, 4}, 0, 0, 0},
     "春月生まれの樹木の若々しい芽を庚が切り取る悪さがあります。"},
    {{12, 10, false, 1, {}, 5, 0, 0},
     "樹木が大量の水によって浮木となって、放浪の身となっています。"},
    {{13, 8, false, 2, {}, 0, 0, 0}, "草花が鋭利なナイフによってスパッと切られる悪さがあります。"},
    {{14, 3, true, 3, {}, 0, 0, 0},
     "天無両日、すなわち天に太陽が２つあって絵にならない悪さがあります。"},
    {{15, 10, false, 3, {}, 0, 0, 0},
     "黒雲遮日、すなわち太陽が雨雲によって覆い隠される悪さがあります。"},
    {{16, 9, false, 6, {}, 0, 0, 0}, kMuddyStreamLine},
    {{17, 3, false, 7, {}, 0, 0, 0}, "鉄板を太陽で焼いて、鉄板を伸ばす悪さがあります。"},
    {{18, 1, false, 8, {}, 0, 0, 0}, "逆剋、すなわち我が身の鏡を、材木で叩き壊す悪さがあります。"},
    {{19, 6, false, 8, {}, 0, 0, 0}, "汚玉、すなわち我が身の宝石を泥で汚す悪さがあります。"},
    {{20, 7, false, 8, {}, 0, 0, 0}, "我が身の宝石が、鋼鉄によって傷つけられる悪さがあります"},
    {{21, 6, false, 9, {}, 0, 0, 0}, kMuddyStreamLine},
    {{22, 0, false, 0, {}, 0, 7, 9}, kOfficerHurtLine},
    {{23, 0, false, 0, {}, 0, 9, 7}, kOfficerHurtLine},
    {{24, 0, false, 0, {}, 0, 4, 9}, kMixedOfficersLine},
    {{25, 0, false, 0, {}, 0, 9, 4}, kMixedOfficersLine},
}};

// True when the rule holds for the chart.
bool onePointRuleHolds(const OnePointRule& rule, const Tmandata& chart);
// The lines of the rules that hold, in rule order (a line twice when two rules carrying it hold).
std::vector<std::string> onePointLines(const Tmandata& chart);
// What ougibtn appends: an empty line, the heading, then onePointLines.
std::vector<std::string> onePointButtonLines(const Tmandata& chart);

// The sixty-pillar passage of the client's sex (男 for 'M', else 女) and day pillar, up to its
// first empty line; nullopt when the day pillar forms no key or no record matches.
std::optional<std::vector<std::string>> sixtyPillarPassage(const Tmandata& chart, Table& sixty);
// What kansi60btn appends: an empty line, "■六十干支による鑑定（甲子）" and the passage; nullopt
// (nothing appended) when there is no passage.
std::optional<std::vector<std::string>> sixtyPillarButtonLines(const Tmandata& chart, Table& sixty);

// What the medicine window's two buttons append: " " and the passage of the key (only " " when
// the key is refused or has no passage).
std::vector<std::string> medicineStemLines(int stem, PassageTable& passages);
std::vector<std::string> medicineSymptomLines(int choice, PassageTable& passages);

// The memo's lines: its text split at line ends (LF or CRLF); a final line end adds no line, an
// empty text has none.
std::vector<std::string> memoLinesOf(std::string_view text);
// The memo's text after `lines` were added at its end, one line each, lines joined by "\n".
std::string appendMemoLines(std::string_view text, const std::vector<std::string>& lines);

}  // namespace suimei
