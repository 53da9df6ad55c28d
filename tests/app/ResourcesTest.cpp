// The pictures built into the program and the files shipped beside it: the default background,
// the flags, the templates the skin catalogue copies into skins, and the help pages.

#include "app/LanguageTexts.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>

#include <gtest/gtest.h>
#include <set>

namespace {

QByteArray resource(const QString& relativePath)
{
    QFile file(QStringLiteral(TINTABEL_RESOURCES_DIR "/") + relativePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    return file.readAll();
}

int largestDifference(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
        std::abs(a.blue() - b.blue())});
}

// Eight bands of 20 rows, darker first, each within a faint grain of its grey; the shipped JPEG
// shows the same picture.
TEST(Pictures, TheBackgroundHasEightAlternatingGreyBandsWithAFaintGrain)
{
    const QImage png = QImage::fromData(resource("pictures/background.png"));
    const QImage jpeg = QImage::fromData(resource("program/standard.jpg"));
    ASSERT_EQ(png.size(), QSize(150, 160));
    ASSERT_EQ(jpeg.size(), png.size());
    const QColor greys[] {QColor(204, 208, 212), QColor(219, 222, 225)};
    std::set<QRgb> distinct;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            distinct.insert(png.pixel(x, y));
            ASSERT_LE(largestDifference(png.pixelColor(x, y), greys[y / 20 % 2]), 2)
                << x << "," << y;
            ASSERT_LE(largestDifference(png.pixelColor(x, y), jpeg.pixelColor(x, y)), 8)
                << x << "," << y;
        }
    }
    EXPECT_GT(distinct.size(), 100u) << "the grain is missing";
}

TEST(Pictures, FlagsAreTheRightWayUp)
{
    const QImage polish = QImage::fromData(resource("pictures/pol.jpg"));
    const QImage english = QImage::fromData(resource("pictures/eng.jpg"));
    const std::tuple<const QImage&, QPoint, QColor> spots[] {{polish, {20, 3}, Qt::white},
        {polish, {20, 21}, QColor(220, 20, 60)}, {english, {20, 12}, QColor(200, 16, 46)},
        {english, {13, 2}, QColor(1, 33, 105)}};
    for (const auto& [flag, at, colour] : spots)
        EXPECT_LE(largestDifference(flag.pixelColor(at), colour), 60) << at.x() << "," << at.y();
}

// A colour template holds the eight colours once each, every channel a byte.
TEST(Templates, ColourFilesHoldTheEightColoursOnceEachWithByteValues)
{
    static const QRegularExpression entry(QStringLiteral(
        R"re(<colour name="([a-z ]+)" red="(\d+)" green="(\d+)" blue="(\d+)" alpha="(\d+)"\s*/>)re"));
    for (const char* fileName : {"fm colours09.xml", "fm colours0809.xml"}) {
        SCOPED_TRACE(fileName);
        const QString text = QString::fromUtf8(resource(QStringLiteral("program/") + fileName));
        std::multiset<QString> names;
        for (const QRegularExpressionMatch& match : entry.globalMatch(text)) {
            names.insert(match.captured(1));
            for (int channel = 2; channel <= 5; ++channel)
                EXPECT_LE(match.captured(channel).toInt(), 255) << match.captured(0).toStdString();
        }
        EXPECT_EQ(names,
            (std::multiset<QString> {"low attribute", "normal attribute", "good attribute",
                "excellent attribute", "special attribute", "attribute label",
                "special attribute label", "profile extra text"}));
        EXPECT_EQ(text.count("<colour "), 8);
    }
}

// The pages open from the program folder, often offline: nothing may come from elsewhere. They
// explain the window in its words: each names the captions and messages of its language (all but
// the plain "About" and "Close") and the files the user meets.
TEST(HelpPages, AreSelfContainedAndNameEveryTextOfTheirLanguage)
{
    using tintabel::InterfaceTexts;
    const std::string InterfaceTexts::*texts[] {&InterfaceTexts::txtColourManager,
        &InterfaceTexts::txtLoadSaveXml, &InterfaceTexts::txtOptions,
        &InterfaceTexts::txtSamplePreview, &InterfaceTexts::txtColours,
        &InterfaceTexts::msgNewVersion, &InterfaceTexts::msgNoUserFolder,
        &InterfaceTexts::txtSkinList, &InterfaceTexts::txtClickToLoad,
        &InterfaceTexts::msgNotColourXml, &InterfaceTexts::msgColoursSaved,
        &InterfaceTexts::txtPalette, &InterfaceTexts::txtResetPositions,
        &InterfaceTexts::txtLoadBackground, &InterfaceTexts::txtSaveScheme,
        &InterfaceTexts::txtLoadScheme, &InterfaceTexts::txtLoadXml, &InterfaceTexts::txtSaveXmlAs,
        &InterfaceTexts::txtSaveToSkin, &InterfaceTexts::txtHelp, &InterfaceTexts::txtLocateFolder,
        &InterfaceTexts::txtLoadManually, &InterfaceTexts::txtLoadFromSkin};
    for (const bool polish : {false, true}) {
        const char* page = polish ? "pomoc.html" : "help.html";
        SCOPED_TRACE(page);
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString html = utf8.decode(resource(QStringLiteral("program/help/") + page));
        ASSERT_FALSE(utf8.hasError());
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">", Qt::CaseInsensitive));
        for (const char* external : {"<link", "<script", "<img", "src=", "url(", "http:", "https:"})
            EXPECT_FALSE(html.contains(QString::fromLatin1(external), Qt::CaseInsensitive))
                << external;
        static const QRegularExpression anchor(QStringLiteral("href=\"([^\"]*)\""));
        for (const QRegularExpressionMatch& link : anchor.globalMatch(html)) {
            const QString target = link.captured(1);
            EXPECT_TRUE(target.startsWith('#') && html.contains("id=\"" + target.mid(1) + "\""))
                << target.toStdString();
        }
        QTextDocument document;
        document.setHtml(html);
        const QString shown = document.toPlainText().simplified();
        std::vector<std::string> named {"<<reset", "FM 2009- standard", "FM 2008- standard",
            "user_data_location.xml", "WINEPREFIX", "dane.dat", "registry.reg"};
        for (const auto text : texts)
            named.push_back((polish ? tintabel::polishTexts() : tintabel::englishTexts()).*text);
        for (const std::string& words : named)
            EXPECT_TRUE(shown.contains(QString::fromStdString(words))) << "missing: " << words;
    }
}

} // namespace
