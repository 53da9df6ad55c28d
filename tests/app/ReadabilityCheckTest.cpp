#include "app/ReadabilityCheck.h"

#include "platform/Environment.h"
#include "support/TempFolder.h"

#include <QImage>

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tintabel::testing {
namespace {

// Dark colours far apart from each other: readable on white, unreadable on black.
constexpr const char* kReadable = R"(<colours>
<colour name="low attribute" red="139" green="0" blue="0"/>
<colour name="normal attribute" red="0" green="0" blue="128"/>
<colour name="good attribute" red="0" green="100" blue="0"/>
<colour name="excellent attribute" red="0" green="0" blue="0"/>
<colour name="special attribute" red="128" green="0" blue="128"/>
<colour name="attribute label" red="0" green="0" blue="0" alpha="255"/>
<colour name="special attribute label" red="139" green="69" blue="19"/>
<colour name="profile extra text" red="0" green="0" blue="0"/>
</colours>)";

// The command in this process, run on the files of a home of its own, as "check" names them.
class ReadabilityCheckTest : public ::testing::Test {
protected:
    ReadabilityCheckTest()
    {
        files.write("readable.xml", kReadable);
        files.write("other.xml", "<skin><colour name=\"normal attribute\"/></skin>");
        QImage white(4, 3, QImage::Format_RGB32);
        white.fill(Qt::white);
        white.save(QString::fromStdString((files / "white.png").string()));
        std::filesystem::permissions(files / "readable.xml", std::filesystem::perms::owner_read);
    }

    // Arguments with a dot name files of this test's folder.
    CommandLine::Result check(const QStringList& arguments)
    {
        QStringList withPaths;
        for (const QString& argument : arguments)
            withPaths << (argument.contains(QLatin1Char('.'))
                    ? QString::fromStdString((files / argument.toStdString()).string())
                    : argument);
        Environment environment;
        environment.home = home.path().string();
        return runReadabilityCheck(withPaths, environment);
    }

    TempFolder home;
    TempFolder files;
};

TEST_F(ReadabilityCheckTest, PrintsTheFiguresAndExitsByTheirVerdict)
{
    const struct {
        QStringList arguments;
        int status;
        std::string outStart, errStart;
    } cases[] {
        {{"--against", "ffffff", "readable.xml"}, 0,
            "low attribute           8B0000  255  8B0000  10.01  pass\n", ""},
        {{"--background", "white.png", "readable.xml"}, 0, "low attribute           8B0000", ""},
        {{"--json", "--against", "000000", "readable.xml"}, 1,
            R"({"slots": [
  {"name": "low attribute", "colour": "#8b0000", "alpha": 255, "beneath": "#000000", )",
            ""},
        // Over the start background, where the low sample starts.
        {{"readable.xml"}, 0, "low attribute           8B0000  255  8B0000   6.45  pass\n", ""},
        {{"--against", "FFF", "readable.xml"}, 2, "",
            "tintabel check: --against takes six hexadecimal digits, RRGGBB.\nUsage: "},
        {{"--against", "FFFFFF", "--background", "white.png", "readable.xml"}, 2, "",
            "tintabel check: Give either --background or --against, not both.\n"},
        {{"--json"}, 2, "", "tintabel check: Give one colour XML file.\n"},
        {{"--stray", "readable.xml"}, 2, "", "tintabel check: Unknown option 'stray'.\n"},
        {{"other.xml"}, 2, "", "Not appropriate XML file\n"},
        {{"absent.xml"}, 2, "", "File not found\n"},
        {{"--background", "absent.png", "readable.xml"}, 2, "", "File not found\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandLine::Result result = check(row.arguments);
        EXPECT_EQ(result.exitStatus, row.status);
        EXPECT_EQ(result.out.substr(0, row.outStart.size()), row.outStart);
        EXPECT_EQ(result.out.empty(), row.outStart.empty());
        EXPECT_EQ(result.err.substr(0, row.errStart.size()), row.errStart) << result.err;
        EXPECT_EQ(result.err.empty(), row.errStart.empty());
    }
    // Only read: the document stays read-only.
    EXPECT_EQ(std::filesystem::status(files / "readable.xml").permissions(),
        std::filesystem::perms::owner_read);
}

} // namespace
} // namespace tintabel::testing
