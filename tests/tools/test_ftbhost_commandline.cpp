// The command line of ftb-host: its defaults, the options, and the lines it refuses with the
// usage exit code before it touches a display or the module.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/ftb-host/CommandLine.h"
#include "tools/ftb-host/Host.h"

namespace ftb::host {
namespace {

const HostEnvironment kEnvironment{QStringLiteral("/data"), QStringLiteral("/home/claimant"),
                                   QStringLiteral("/opt/ftb")};

HostOptions Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("ftb-host"));
    return ParseHostCommandLine(arguments, kEnvironment);
}

std::string Refusal(QStringList arguments) {
    try {
        Parse(std::move(arguments));
    } catch (const EUsageError& error) {
        return error.what();
    }
    return {};
}

TEST(FtbHostCommandLine, DefaultsAreTheNewReturnInTheDataFolderAtTheFirstScreen) {
    const HostOptions options = Parse({});
    EXPECT_EQ(options.file, QStringLiteral("/data/ftb/RETURN.TAX"));
    EXPECT_EQ(options.key, QStringLiteral("876543210"));
    EXPECT_EQ(options.screen, 7803);
    EXPECT_EQ(options.geometry, (Geometry{860, 620, 10, 10}));
    EXPECT_FALSE(options.maximised);
    EXPECT_FALSE(options.timings);
    EXPECT_FALSE(options.help);
    EXPECT_TRUE(options.play.isEmpty());
    EXPECT_EQ(options.module, QStringLiteral("/opt/ftb/libftbmodule.so"));
}

TEST(FtbHostCommandLine, WithoutXdgDataHomeTheReturnLivesUnderHome) {
    EXPECT_EQ(DefaultReturnPath({QString(), QStringLiteral("/home/claimant"), QString()}),
              QStringLiteral("/home/claimant/.local/share/ftb/RETURN.TAX"));
}

TEST(FtbHostCommandLine, EveryOptionReachesTheRun) {
    const HostOptions options =
        Parse({QStringLiteral("--file"), QStringLiteral("/tmp/MY.TAX"), QStringLiteral("--key"),
               QStringLiteral("12-34"), QStringLiteral("--screen"), QStringLiteral("8001"),
               QStringLiteral("--geometry"), QStringLiteral("1024x768+0+20"),
               QStringLiteral("--maximised"), QStringLiteral("--timings"),
               QStringLiteral("--module"), QStringLiteral("/lib/other.so")});
    EXPECT_EQ(options.file, QStringLiteral("/tmp/MY.TAX"));
    EXPECT_EQ(options.key, QStringLiteral("12-34"));
    EXPECT_EQ(options.screen, 8001);
    EXPECT_EQ(options.geometry, (Geometry{1024, 768, 0, 20}));
    EXPECT_TRUE(options.maximised);
    EXPECT_TRUE(options.timings);
    EXPECT_EQ(options.module, QStringLiteral("/lib/other.so"));

    const HostOptions play = Parse({QStringLiteral("--play"), QStringLiteral("a.play")});
    EXPECT_EQ(play.play, QStringLiteral("a.play"));
    EXPECT_TRUE(Parse({QStringLiteral("--help")}).help);
}

TEST(FtbHostCommandLine, TheExplorerTakesItsStartsBoundsAndFolder) {
    const HostOptions defaults = Parse({QStringLiteral("--explore")});
    EXPECT_TRUE(defaults.explore);
    EXPECT_EQ(defaults.screen, 7803);
    EXPECT_TRUE(defaults.from.isEmpty());
    EXPECT_TRUE(defaults.also.empty());
    EXPECT_EQ(defaults.bound, 300);
    EXPECT_EQ(defaults.depth, 150);
    EXPECT_TRUE(defaults.out.isEmpty());

    const HostOptions options = Parse(
        {QStringLiteral("--explore"), QStringLiteral("--screen"), QStringLiteral("7827"),
         QStringLiteral("--from"), QStringLiteral("a.json"), QStringLiteral("--also"),
         QStringLiteral("7841"), QStringLiteral("--also"), QStringLiteral("7814:d/b:c.json"),
         QStringLiteral("--bound"), QStringLiteral("20"), QStringLiteral("--depth"),
         QStringLiteral("9"), QStringLiteral("--out"), QStringLiteral("found")});
    EXPECT_EQ(options.screen, 7827);
    EXPECT_EQ(options.from, QStringLiteral("a.json"));
    EXPECT_EQ(options.also, (std::vector<ExploreStart>{{7841, QString()},
                                                       {7814, QStringLiteral("d/b:c.json")}}));
    EXPECT_EQ(options.bound, 20);
    EXPECT_EQ(options.depth, 9);
    EXPECT_EQ(options.out, QStringLiteral("found"));
}

TEST(FtbHostCommandLine, GeometryIsWidthHeightAndTheTopLeftCorner) {
    EXPECT_EQ(ParseGeometry(QStringLiteral("860x620+10+10")), (Geometry{860, 620, 10, 10}));
    EXPECT_EQ(ParseGeometry(QStringLiteral("1x1+0+0")), (Geometry{1, 1, 0, 0}));
    for (const char* bad : {"860x620", "0x620+1+1", "860x0+1+1", "860x620-10+10", "860X620+1+1",
                            "x620+1+1", "860x620+1+1 ", "123456x1+0+0", ""})
        EXPECT_FALSE(ParseGeometry(QString::fromLatin1(bad))) << bad;
}

TEST(FtbHostCommandLine, RefusesLinesItCannotRun) {
    const QString longText(256, u'7');
    struct Case {
        QStringList arguments;
        std::string message;
    };
    const Case cases[] = {
        {{QStringLiteral("--geometry"), QStringLiteral("big")},
         "--geometry needs WxH+X+Y (for example 860x620+10+10), not \"big\""},
        {{QStringLiteral("--screen"), QStringLiteral("first")},
         "--screen needs a screen number, not \"first\""},
        {{QStringLiteral("--colour")}, "Unknown option 'colour'."},
        {{QStringLiteral("--file")}, "Missing value after '--file'."},
        {{QStringLiteral("RETURN.TAX")}, "unexpected argument \"RETURN.TAX\""},
        {{QStringLiteral("--play"), QStringLiteral("a.play"), QStringLiteral("--file"),
          QStringLiteral("x")},
         "--play makes its own return: the script's start command takes the start screen and "
         "the key, and --file does not apply"},
        {{QStringLiteral("--bound"), QStringLiteral("5")}, "--bound goes with --explore"},
        {{QStringLiteral("--explore"), QStringLiteral("--bound"), QStringLiteral("0")},
         "--bound and --depth need a number above 0"},
        {{QStringLiteral("--explore"), QStringLiteral("--also"), QStringLiteral("x:a.json")},
         "--also needs a screen number, not \"x\""},
        {{QStringLiteral("--explore"), QStringLiteral("--file"), QStringLiteral("x")},
         "--explore makes its own returns: --play and --file do not apply"},
        {{QStringLiteral("--key"), QStringLiteral("\u2713")},
         "the key source holds a character that Windows-1252 cannot hold"},
        {{QStringLiteral("--key"), longText}, "the key source is longer than 255 characters"},
        {{QStringLiteral("--file"), QStringLiteral("/") + longText},
         "the path of the tax-return file is longer than 255 characters"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Refusal(c.arguments), c.message) << c.arguments.join(u' ').toStdString();
}

TEST(FtbHostCommandLine, HelpAndUsageErrorsNeedNoDisplay) {
    std::ostringstream out, err;
    EXPECT_EQ(RunHost({QStringLiteral("ftb-host"), QStringLiteral("--help")}, out, err),
              kExitSuccess);
    EXPECT_EQ(out.str().rfind("Usage: ftb-host [options]\n", 0), 0u);
    EXPECT_NE(out.str().find("expect field N \"TEXT\""), std::string::npos);
    EXPECT_NE(out.str().find("expect picklist GRID COL ROW \"ITEM\" ..."), std::string::npos);
    EXPECT_NE(out.str().find("press NAME"), std::string::npos);
    EXPECT_NE(out.str().find("--explore"), std::string::npos);
    EXPECT_EQ(err.str(), "");

    std::ostringstream out2, err2;
    EXPECT_EQ(RunHost({QStringLiteral("ftb-host"), QStringLiteral("--screen")}, out2, err2),
              kExitUsage);
    EXPECT_EQ(err2.str(),
              "Missing value after '--screen'.\nRun 'ftb-host --help' for the options.\n");
}

}  // namespace
}  // namespace ftb::host
