// The pictures built into the program and the files shipped beside it: the colours of the
// default background, the flags, the templates the skin catalogue copies into skins, and the help
// pages. Their sizes are checked where the window shows them.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <map>
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
    EXPECT_FALSE(png.hasAlphaChannel());
    const QColor greys[] {QColor(204, 208, 212), QColor(219, 222, 225)};
    std::set<QRgb> distinct;
    double sum[3] {};
    double jpegDifference = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QColor pixel = png.pixelColor(x, y);
            distinct.insert(pixel.rgb());
            ASSERT_LE(largestDifference(pixel, greys[y / 20 % 2]), 2) << x << "," << y;
            ASSERT_LE(largestDifference(pixel, jpeg.pixelColor(x, y)), 8) << x << "," << y;
            const QColor shipped = jpeg.pixelColor(x, y);
            jpegDifference += std::abs(pixel.red() - shipped.red())
                + std::abs(pixel.green() - shipped.green())
                + std::abs(pixel.blue() - shipped.blue());
            sum[0] += pixel.red();
            sum[1] += pixel.green();
            sum[2] += pixel.blue();
        }
        if (y % 20 == 19) {
            const QColor& grey = greys[y / 20 % 2];
            const double count = 20.0 * png.width();
            EXPECT_NEAR(sum[0] / count, grey.red(), 1.0) << "band ending at " << y;
            EXPECT_NEAR(sum[1] / count, grey.green(), 1.0) << "band ending at " << y;
            EXPECT_NEAR(sum[2] / count, grey.blue(), 1.0) << "band ending at " << y;
            sum[0] = sum[1] = sum[2] = 0;
        }
    }
    EXPECT_GT(distinct.size(), 100u) << "the grain is missing";
    EXPECT_LT(jpegDifference / (3.0 * png.width() * png.height()), 1.5);
}

TEST(Pictures, FlagsAreTheRightWayUp)
{
    const QImage polish = QImage::fromData(resource("pictures/pol.jpg"));
    const QImage english = QImage::fromData(resource("pictures/eng.jpg"));
    struct Spot {
        const QImage& flag;
        QPoint at;
        QColor colour;
    };
    for (const Spot& spot :
        {Spot {polish, {20, 3}, Qt::white}, Spot {polish, {20, 21}, QColor(220, 20, 60)},
            Spot {english, {20, 12}, QColor(200, 16, 46)},
            Spot {english, {13, 2}, QColor(1, 33, 105)}})
        EXPECT_LE(largestDifference(spot.flag.pixelColor(spot.at), spot.colour), 60)
            << spot.at.x() << "," << spot.at.y();
}

// The direct children of a template's document element, with their attributes.
std::vector<std::pair<QString, std::map<QString, QString>>> templateEntries(const QString& name)
{
    std::vector<std::pair<QString, std::map<QString, QString>>> entries;
    QXmlStreamReader reader(resource(QStringLiteral("program/") + name));
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartDocument) {
            EXPECT_EQ(reader.documentEncoding().toString().toUpper(), "UTF-8");
        }
        if (token == QXmlStreamReader::StartElement && ++depth == 2) {
            std::map<QString, QString> attributes;
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                attributes[attribute.name().toString()] = attribute.value().toString();
            entries.emplace_back(reader.name().toString(), std::move(attributes));
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return entries;
}

TEST(Templates, ColourFilesHoldTheEightColoursOnceEachWithByteValues)
{
    const std::multiset<QString> slotNames {"low attribute", "normal attribute", "good attribute",
        "excellent attribute", "special attribute", "attribute label", "special attribute label",
        "profile extra text"};
    for (const char* fileName : {"fm colours09.xml", "fm colours0809.xml"}) {
        SCOPED_TRACE(fileName);
        std::multiset<QString> names;
        for (auto& [element, attributes] : templateEntries(fileName)) {
            if (element != "colour")
                continue;
            names.insert(attributes["name"]);
            for (const char* channel : {"red", "green", "blue", "alpha"}) {
                bool isNumber = false;
                const int number = attributes[channel].toInt(&isNumber);
                EXPECT_TRUE(isNumber && number >= 0 && number <= 255)
                    << attributes["name"].toStdString() << " " << channel;
            }
        }
        EXPECT_EQ(names, slotNames);
    }
}

// config.xml lies in a skin's settings folder, where every XML file holding a "low attribute"
// colour is listed as a colour file.
TEST(Templates, ConfigFilesAreRecordsThatNoCatalogueMistakesForColourFiles)
{
    for (const char* fileName : {"configm.xml", "config.xml"}) {
        SCOPED_TRACE(fileName);
        const auto entries = templateEntries(fileName);
        ASSERT_FALSE(entries.empty());
        for (const auto& [element, attributes] : entries) {
            EXPECT_TRUE(attributes.contains("id") && attributes.contains("value"));
            EXPECT_NE(element, "colour");
        }
    }
}

// The pages open from the program folder, often offline: nothing may come from elsewhere.
TEST(HelpPages, AreUtf8AndSelfContained)
{
    for (const char* page : {"help.html", "pomoc.html"}) {
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
    }
}

} // namespace
