// The explorer end to end, on a module with known faults (tests/tools/faulty): it finds the
// exception, the box without text and the screen no move leaves, reports what it reached and
// did not, exits 1, and its replay of the exception plays as a scenario.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "tools/ftb-host/Host.h"

namespace ftb::host {
namespace {

QString Text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(FtbHostExplore, FindsTheFaultsOfAModuleAndReplaysThem) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    // Named relative to the current folder, which is not the runs' own.
    const QString module = QDir::current().relativeFilePath(QStringLiteral(FTB_FAULTY_MODULE));
    ASSERT_FALSE(QDir::isAbsolutePath(module));
    std::ostringstream report, err;
    const int code = RunHost({QStringLiteral("ftb-host"), QStringLiteral("--module"), module,
                              QStringLiteral("--explore"), QStringLiteral("--out"), out.path()},
                             report, err);
    EXPECT_EQ(code, kExitFailure) << err.str();
    const std::string text = report.str();
    EXPECT_NE(text.find("screens reached: 3 of 57: 7803 7804 7805\n"), std::string::npos) << text;
    EXPECT_NE(text.find("screens not reached: 7806 7807"), std::string::npos) << text;
    EXPECT_NE(text.find("exits reached: 8001\n"), std::string::npos) << text;
    EXPECT_NE(text.find("exception at screen 7803: \"vector::_M_range_check"), std::string::npos)
        << text;
    EXPECT_NE(text.find("empty box at screen 7804: the box \"Information\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("screen not left at screen 7805: every move was refused"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("failures: 3\n"), std::string::npos) << text;  // each fault once
    EXPECT_NE(text.find("explore: FAILED (an exception or a failure of the host, 54 screens not "
                        "reached)\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(Text(out.filePath(QStringLiteral("report.txt"))).toStdString(), text);

    // The exception's replay: the answer to its box comes before the click that raised it.
    const QString replay = out.filePath(QStringLiteral("001-failure.play"));
    const QString script = Text(replay);
    EXPECT_TRUE(script.contains(QStringLiteral(
        "start 7803\nexpect screen 7803\nanswer OK \"Error\" \"vector::_M_range_check")))
        << script.toStdString();
    EXPECT_TRUE(script.contains(QStringLiteral("\nclick BtnNext\n"))) << script.toStdString();
    std::ostringstream played, playErr;
    EXPECT_EQ(RunHost({QStringLiteral("ftb-host"), QStringLiteral("--module"), module,
                       QStringLiteral("--play"), replay},
                      played, playErr),
              kExitSuccess)
        << played.str() << playErr.str();
}

}  // namespace
}  // namespace ftb::host
