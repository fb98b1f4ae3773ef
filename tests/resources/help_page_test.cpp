// The help document shipped beside the program must hold every topic the program can open it
// at: a missing anchor opens the help at its top instead of the topic.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "dialogs/help_topics.h"

namespace tessary {
namespace {

std::set<int> AnchorsOf(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string page = text.str();
    static const std::regex kAnchor(R"re(<a\s+name="(\d+)")re");
    std::set<int> anchors;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), kAnchor);
         it != std::sregex_iterator(); ++it) {
        anchors.insert(std::stoi((*it)[1].str()));
    }
    return anchors;
}

TEST(HelpPageTest, HasEveryTopicTheProgramAsksFor) {
    const std::set<int> anchors = AnchorsOf(TESSARY_HELP_PAGE);
    ASSERT_FALSE(anchors.empty()) << "no anchors read from " << TESSARY_HELP_PAGE;
    for (HelpTopic topic : kHelpTopics) {
        EXPECT_TRUE(anchors.contains(HelpTopicNumber(topic)))
            << "topic " << HelpTopicNumber(topic) << " is missing from the help";
    }
}

TEST(HelpPageTest, TopicTableListsEachNumberOnce) {
    std::set<int> numbers;
    for (HelpTopic topic : kHelpTopics) {
        EXPECT_TRUE(numbers.insert(HelpTopicNumber(topic)).second) << HelpTopicNumber(topic);
    }
}

}  // namespace
}  // namespace tessary
