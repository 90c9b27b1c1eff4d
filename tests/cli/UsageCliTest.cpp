// orvex-cli as a whole: the version, the usage on request (standard output, exit 0) and on misuse
// (standard error, exit 2).
#include "CliRunner.h"

INSTANTIATE_TEST_SUITE_P(Usage, CliTest,
                         ::testing::Values(CliCase{{"--version"}, "orvex-cli 1.0 RC2\n", 0, false, ""},
                                           CliCase{{}, "", 2}, CliCase{{"cube"}, "", 2},
                                           CliCase{{"--", "--help"}, "", 2}));

TEST(UsageCli, HelpListsTheCommandsOnStandardOutput) {
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage:\n", 0), 0u) << help.out;
    for (const char* command : {"calc", "diff", "eval", "render", "table", "investigate"})
        EXPECT_NE(help.out.find(std::string("\n  orvex-cli ") + command + " "), std::string::npos) << command;
    EXPECT_EQ(RunCli({}).err, help.out); // the same text when the command is missing
}
