// suimei-cli methods growth [--level 0..2]: the growth-stage window for one client with every
// feature at one level — the five sentences, the five scores and the total.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "cli/methods_command.h"
#include "methods/growth_stage.h"

namespace suimei::cli {
namespace {

// The window opens at 成長途中 too: a reader meets most clients between the two ends.
constexpr int kDefaultLevel = 1;

int runGrowth(const Args& args, AppraisalRunner& runner) {
    const int level = args.intValue("level", kDefaultLevel, 0, kGrowthLevels - 1);
    const auto selectors = growthSelectors(runner.chart());
    std::array<int, kGrowthFeatures> levels{};
    levels.fill(level);
    nlohmann::ordered_json scores = nlohmann::ordered_json::array();
    nlohmann::ordered_json sentences = nlohmann::ordered_json::array();
    for (int f = 0; f < kGrowthFeatures; ++f) {
        scores.push_back(growthScore(f, level));
        sentences.push_back(
            std::string(growthSentence(f, selectors[static_cast<std::size_t>(f)], level)));
    }
    const std::string total = growthTotalLabel(levels);
    if (args.has("json")) {
        nlohmann::ordered_json j;
        j["level"] = std::string(growthLevelName(level));
        j["scores"] = scores;
        j["sentences"] = sentences;
        j["total"] = total;
        std::printf("%s\n", j.dump(2).c_str());
        return 0;
    }
    std::printf("成長のレベル：%s\n", std::string(growthLevelName(level)).c_str());
    for (int f = 0; f < kGrowthFeatures; ++f) {
        const GrowthFeatureInfo& info = growthFeatures()[static_cast<std::size_t>(f)];
        std::printf("%s  %s\n  %s\n", std::string(info.caption).c_str(),
                    growthScoreLabel(f, level).c_str(),
                    sentences[static_cast<std::size_t>(f)].get<std::string>().c_str());
    }
    std::printf("%s\n", total.c_str());
    return 0;
}

const MethodRegistrar growthMethod{
    Method{"growth",
           "[--level 0..2]",
           {},
           {"level"},
           &runGrowth,
           "  --level N         growth level of every feature: 0 未成熟, 1 成長途中 (default), "
           "2 成熟\n"}};

}  // namespace
}  // namespace suimei::cli
