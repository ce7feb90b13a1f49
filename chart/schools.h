#pragma once
// The school choices that change chart rules. They are handed to every computation that depends
// on them; nothing reads a process-wide setting.

namespace suimei {

// Hidden-stem schools (index of the 蔵干 setting).
inline constexpr int kSanmeiTsuukai = 0;     // 三命通会
inline constexpr int kEnkaiShihei = 1;       // 渕海子平
inline constexpr int kMeiriYakugen = 2;      // 命理約言
inline constexpr int kJapaneseTextbook = 3;  // 日本教科書
inline constexpr int kSanmeigaku = 4;        // 算命学式
inline constexpr int kMinchouTouha = 5;      // 明朝透派
inline constexpr int kHiddenStemSchoolCount = 6;
inline constexpr int kStageSchoolCount = 3;

struct Schools {
    // 0..5, see above; the settings file defaults to 1 (渕海子平).
    int hiddenStemSchool = kEnkaiShihei;
    // 0 陽生陰死式, 1 陰陽同一式 (split by fire and earth), 2 陰陽火土同一式.
    int stageSchool = 0;
    // Schools 0..4 only. false: the month's entry depth chooses the active hidden stem of every
    // branch ("教科書とおり..."); true: the hour and day branches go by the birth time and the
    // year branch by the birth date ("生まれた時刻（日の深さ）で...").
    bool ownDepthPerBranch = false;
};

}  // namespace suimei
