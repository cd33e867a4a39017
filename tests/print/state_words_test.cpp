#include "print/state_words.h"

#include <gtest/gtest.h>

namespace print {
namespace {

using Reasons = std::vector<std::string>;

TEST(PrinterFault, names_the_common_faults_in_plain_words_whatever_the_ending)
{
    const std::pair<Reasons, std::string> cases[] = {
        {{"media-empty-error"}, "the printer is out of paper"},
        {{"media-needed-warning"}, "the printer is out of paper"},
        {{"media-jam-error"}, "paper is jammed in the printer"},
        {{"cover-open-report"}, "a cover of the printer is open"},
        {{"marker-supply-empty-warning"}, "the printer is out of toner or ink"},
        {{"offline-report"}, "the printer cannot be reached"},
        {{"connecting-to-device"}, "the printer cannot be reached"},
        // A known fault before another error; an unknown error still told.
        {{"fuser-over-temp-error", "door-open-error"}, "a cover of the printer is open"},
        {{"fuser-over-temp-error"}, "the printer reports a fault"},
        {{"media-low-report", "paused"}, ""},
        {{}, ""},
    };
    for (const auto& [reasons, words] : cases)
        EXPECT_EQ(message::english(printerFault(reasons)), words) << ::testing::PrintToString(reasons);
}

TEST(JobWhy, prefers_the_servers_message_and_never_gives_a_keyword)
{
    using message::english;
    EXPECT_EQ(english(jobWhy("Filter failed", {"job-hold-until-specified"})), "Filter failed");
    EXPECT_EQ(jobWhy("Filter failed", {}).text.source, nullptr); // the server's words are not looked up to translate
    EXPECT_EQ(english(jobWhy("", {"job-hold-until-specified"})), "it was set to wait");
    EXPECT_EQ(english(jobWhy("", {"job-canceled-by-user"})), "someone cancelled it");
    EXPECT_EQ(english(jobWhy("", {"some-new-keyword"})), "");
}

TEST(PausedBySomeone, is_told_from_a_stop_after_a_failed_job)
{
    EXPECT_TRUE(pausedBySomeone({"paused"}, "Paused", {}));
    EXPECT_TRUE(pausedBySomeone({"paused"}, "", {"job-queued"}));
    EXPECT_FALSE(pausedBySomeone({"paused"}, "The capture device is switched off", {}));
    EXPECT_FALSE(pausedBySomeone({"paused"}, "Paused", {"job-printer-stopped"}));
    EXPECT_FALSE(pausedBySomeone({"paused"}, "Paused", {"document-format-error"}));
    EXPECT_FALSE(pausedBySomeone({"media-empty-error"}, "", {}));
}

} // namespace
} // namespace print
