// Checks the pictures built into the program and the files shipped beside it: their sizes and
// formats, the colours of the default background, the shape of the templates the skin catalogue
// copies into skins, and the help pages.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const QString resourcesDir = QStringLiteral(TINTABEL_RESOURCES_DIR);

QByteArray readResourceFile(const QString& relativePath)
{
    QFile file(resourcesDir + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << relativePath.toStdString();
        return {};
    }
    return file.readAll();
}

QImage loadResourcePicture(const QString& relativePath)
{
    return QImage::fromData(readResourceFile(relativePath));
}

// The greys of the preview background, darker band first.
const std::array<QColor, 2> bandGreys {QColor(204, 208, 212), QColor(219, 222, 225)};

struct ChannelMeans {
    double red = 0, green = 0, blue = 0;
};

ChannelMeans bandMeans(const QImage& image, int band)
{
    ChannelMeans means;
    for (int y = band * 20; y < band * 20 + 20; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            means.red += pixel.red();
            means.green += pixel.green();
            means.blue += pixel.blue();
        }
    const double count = 20.0 * image.width();
    return {means.red / count, means.green / count, means.blue / count};
}

TEST(BackgroundPicture, IsAThreeChannelPngOf150By160)
{
    const QByteArray png = readResourceFile(QStringLiteral("pictures/background.png"));
    ASSERT_GT(png.size(), 33);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    ASSERT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    const auto byteAt = [&png](int offset) { return static_cast<unsigned char>(png[offset]); };
    EXPECT_EQ((byteAt(16) << 24) | (byteAt(17) << 16) | (byteAt(18) << 8) | byteAt(19), 150);
    EXPECT_EQ((byteAt(20) << 24) | (byteAt(21) << 16) | (byteAt(22) << 8) | byteAt(23), 160);
    EXPECT_EQ(byteAt(24), 8) << "bit depth";
    EXPECT_EQ(byteAt(25), 2) << "colour type 2 is RGB without alpha";

    const QImage image = QImage::fromData(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(150, 160));
    EXPECT_FALSE(image.hasAlphaChannel());
}

TEST(BackgroundPicture, HasEightAlternatingGreyBandsWithAFaintGrain)
{
    const QImage image = loadResourcePicture(QStringLiteral("pictures/background.png"));
    ASSERT_EQ(image.size(), QSize(150, 160));
    std::set<QRgb> distinct;
    for (int band = 0; band < 8; ++band) {
        SCOPED_TRACE("band " + std::to_string(band));
        const QColor& grey = bandGreys[static_cast<std::size_t>(band % 2)];
        const ChannelMeans means = bandMeans(image, band);
        EXPECT_NEAR(means.red, grey.red(), 1.0);
        EXPECT_NEAR(means.green, grey.green(), 1.0);
        EXPECT_NEAR(means.blue, grey.blue(), 1.0);
        // Every pixel stays within the grain of its own band, so the bands are exactly 20 rows.
        for (int y = band * 20; y < band * 20 + 20; ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                distinct.insert(pixel.rgb());
                ASSERT_LE(std::abs(pixel.red() - grey.red()), 2) << x << "," << y;
                ASSERT_LE(std::abs(pixel.green() - grey.green()), 2) << x << "," << y;
                ASSERT_LE(std::abs(pixel.blue() - grey.blue()), 2) << x << "," << y;
            }
    }
    EXPECT_GT(distinct.size(), 100u) << "the grain is missing";
}

TEST(BackgroundPicture, ShippedJpegShowsTheSamePicture)
{
    const QByteArray jpeg = readResourceFile(QStringLiteral("program/standard.jpg"));
    ASSERT_TRUE(jpeg.startsWith("\xff\xd8\xff"));
    const QImage shipped = QImage::fromData(jpeg);
    const QImage builtIn = loadResourcePicture(QStringLiteral("pictures/background.png"));
    ASSERT_EQ(shipped.size(), builtIn.size());
    double totalDifference = 0;
    int largestDifference = 0;
    for (int y = 0; y < builtIn.height(); ++y)
        for (int x = 0; x < builtIn.width(); ++x) {
            const QColor a = shipped.pixelColor(x, y);
            const QColor b = builtIn.pixelColor(x, y);
            for (const int difference :
                {a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue()}) {
                totalDifference += std::abs(difference);
                largestDifference = std::max(largestDifference, std::abs(difference));
            }
        }
    EXPECT_LT(totalDifference / (3.0 * builtIn.width() * builtIn.height()), 1.5);
    EXPECT_LE(largestDifference, 8);
}

TEST(Pictures, LogoAndFlagsAreJpegsOfTheirControlsSizes)
{
    const std::map<QString, QSize> sizes {{QStringLiteral("pictures/logo.jpg"), QSize(116, 299)},
        {QStringLiteral("pictures/eng.jpg"), QSize(40, 25)},
        {QStringLiteral("pictures/pol.jpg"), QSize(40, 25)}};
    for (const auto& [path, size] : sizes) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = readResourceFile(path);
        EXPECT_TRUE(bytes.startsWith("\xff\xd8\xff"));
        EXPECT_EQ(QImage::fromData(bytes).size(), size);
    }
}

TEST(Pictures, FlagsAreTheRightWayUp)
{
    const QImage polish = loadResourcePicture(QStringLiteral("pictures/pol.jpg"));
    ASSERT_FALSE(polish.isNull());
    const QColor top = polish.pixelColor(20, 3);
    const QColor bottom = polish.pixelColor(20, 21);
    EXPECT_GT(top.red(), 235);
    EXPECT_GT(top.green(), 235);
    EXPECT_GT(top.blue(), 235);
    EXPECT_GT(bottom.red(), 180);
    EXPECT_LT(bottom.green(), 80);

    const QImage english = loadResourcePicture(QStringLiteral("pictures/eng.jpg"));
    ASSERT_FALSE(english.isNull());
    const QColor centre = english.pixelColor(20, 12);
    EXPECT_GT(centre.red(), 150);
    EXPECT_LT(centre.green(), 80);
    const QColor field = english.pixelColor(13, 2);
    EXPECT_GT(field.blue(), 70);
    EXPECT_LT(field.red(), 60);
}

TEST(EmbeddedPictures, AreReachableUnderPictures)
{
    const std::map<QString, QSize> sizes {{QStringLiteral(":/pictures/logo.jpg"), QSize(116, 299)},
        {QStringLiteral(":/pictures/eng.jpg"), QSize(40, 25)},
        {QStringLiteral(":/pictures/pol.jpg"), QSize(40, 25)},
        {QStringLiteral(":/pictures/background.png"), QSize(150, 160)}};
    for (const auto& [path, size] : sizes)
        EXPECT_EQ(QImage(path).size(), size) << path.toStdString();
    EXPECT_EQ(
        QImage(QStringLiteral(":/pictures/background.png")).convertToFormat(QImage::Format_RGB32),
        loadResourcePicture(QStringLiteral("pictures/background.png"))
            .convertToFormat(QImage::Format_RGB32));
}

// The direct children of a template's document element, with their attributes.
struct TemplateDocument {
    QString encoding;
    std::vector<std::pair<QString, std::map<QString, QString>>> children;
};

TemplateDocument readTemplate(const QString& fileName)
{
    TemplateDocument document;
    QXmlStreamReader reader(readResourceFile(QStringLiteral("program/") + fileName));
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartDocument)
            document.encoding = reader.documentEncoding().toString();
        if (token == QXmlStreamReader::StartElement && ++depth == 2) {
            std::map<QString, QString> attributes;
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                attributes[attribute.name().toString()] = attribute.value().toString();
            document.children.emplace_back(reader.name().toString(), std::move(attributes));
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    EXPECT_FALSE(reader.hasError())
        << fileName.toStdString() << ": " << reader.errorString().toStdString();
    return document;
}

TEST(ColourTemplates, HoldTheEightColoursOnceEachWithByteValues)
{
    const std::multiset<std::string> slotNames {"low attribute", "normal attribute",
        "good attribute", "excellent attribute", "special attribute", "attribute label",
        "special attribute label", "profile extra text"};
    for (const QString& fileName :
        {QStringLiteral("fm colours09.xml"), QStringLiteral("fm colours0809.xml")}) {
        SCOPED_TRACE(fileName.toStdString());
        const TemplateDocument document = readTemplate(fileName);
        EXPECT_EQ(document.encoding.toUpper(), QStringLiteral("UTF-8"));
        std::multiset<std::string> names;
        for (const auto& [element, attributes] : document.children) {
            if (element != QStringLiteral("colour"))
                continue;
            const auto name = attributes.find(QStringLiteral("name"));
            ASSERT_NE(name, attributes.end());
            names.insert(name->second.toStdString());
            for (const char* channel : {"red", "green", "blue", "alpha"}) {
                const auto value = attributes.find(QString::fromLatin1(channel));
                ASSERT_NE(value, attributes.end()) << name->second.toStdString() << " " << channel;
                bool isNumber = false;
                const int number = value->second.toInt(&isNumber);
                EXPECT_TRUE(isNumber && number >= 0 && number <= 255)
                    << name->second.toStdString() << " " << channel << "="
                    << value->second.toStdString();
            }
        }
        EXPECT_EQ(names, slotNames);
    }
}

TEST(ConfigTemplates, AreRecordsThatNoCatalogueMistakesForColourFiles)
{
    for (const QString& fileName : {QStringLiteral("configm.xml"), QStringLiteral("config.xml")}) {
        SCOPED_TRACE(fileName.toStdString());
        const TemplateDocument document = readTemplate(fileName);
        EXPECT_EQ(document.encoding.toUpper(), QStringLiteral("UTF-8"));
        ASSERT_FALSE(document.children.empty());
        for (const auto& [element, attributes] : document.children) {
            EXPECT_TRUE(attributes.contains(QStringLiteral("id")));
            EXPECT_TRUE(attributes.contains(QStringLiteral("value")));
            // config.xml lies in a skin's settings folder, where every XML file holding a
            // "low attribute" colour is listed as a colour file.
            EXPECT_NE(element, QStringLiteral("colour"));
        }
    }
}

void expectHelpfulPage(const QString& fileName, const std::vector<QString>& captions)
{
    SCOPED_TRACE(fileName.toStdString());
    const QByteArray bytes = readResourceFile(QStringLiteral("program/help/") + fileName);
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString html = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError()) << "not UTF-8";
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"), Qt::CaseInsensitive));

    // The page opens from the program folder, often offline: nothing may come from elsewhere.
    for (const char* external : {"<link", "<script", "<img", "src=", "url(", "http:", "https:"})
        EXPECT_FALSE(html.contains(QString::fromLatin1(external), Qt::CaseInsensitive)) << external;
    static const QRegularExpression anchor(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& link : anchor.globalMatch(html)) {
        const QString target = link.captured(1);
        ASSERT_TRUE(target.startsWith(QLatin1Char('#'))) << target.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))))
            << "dangling link " << target.toStdString();
    }

    QTextDocument page;
    page.setHtml(html);
    const QString text = page.toPlainText().simplified();
    for (const QString& caption : captions)
        EXPECT_TRUE(text.contains(caption)) << "missing: " << caption.toStdString();
}

TEST(HelpPages, EnglishPageNamesTheEnglishCaptions)
{
    expectHelpfulPage(QStringLiteral("help.html"),
        {QStringLiteral("Locate user data folder"), QStringLiteral("<<reset"),
            QStringLiteral("Load XML file"), QStringLiteral("Load the XML file manually"),
            QStringLiteral("Load the XML file from skin"), QStringLiteral("List of skins:"),
            QStringLiteral("(click to load colours)"), QStringLiteral("FM 2009- standard"),
            QStringLiteral("FM 2008- standard"), QStringLiteral("Palette"),
            QStringLiteral("Reset positions"), QStringLiteral("Load background"),
            QStringLiteral("Save XML file as..."), QStringLiteral("Save to skin"),
            QStringLiteral("Save colour scheme"), QStringLiteral("Load colour scheme"),
            QStringLiteral("Colours have been saved correctly!"),
            QStringLiteral("Not appropriate XML file"),
            QStringLiteral("Cant find the \"FM 2008 user data\" folder. Check help section."),
            QStringLiteral("user_data_location.xml"), QStringLiteral("WINEPREFIX"),
            QStringLiteral("dane.dat"), QStringLiteral("registry.reg")});
}

TEST(HelpPages, PolishPageNamesThePolishCaptions)
{
    expectHelpfulPage(QStringLiteral("pomoc.html"),
        {QStringLiteral("Ustaw ścieżkę do KDU"), QStringLiteral("<<reset"),
            QStringLiteral("Wczytaj plik XML"), QStringLiteral("Wczytaj XML manualnie"),
            QStringLiteral("Wczytaj XML ze skórki"), QStringLiteral("Lista skórek:"),
            QStringLiteral("(kliknij by wczytać kolory)"), QStringLiteral("FM 2009- standard"),
            QStringLiteral("FM 2008- standard"), QStringLiteral("Paleta"),
            QStringLiteral("Resetuj pozycje"), QStringLiteral("Wczytaj tło"),
            QStringLiteral("Zapisz plik XML do pliku"), QStringLiteral("Zapisz do skórki"),
            QStringLiteral("Zapisz schemat kolorów"), QStringLiteral("Wczytaj schemat"),
            QStringLiteral("Kolory zostały zapisane poprawnie!"),
            QStringLiteral("Nieobsługiwany plik XML."),
            QStringLiteral("Nie odnaleźiono ściezki do \"Folderu danych użytkownika FM 2009\". "
                           "Patrz plik pomocy."),
            QStringLiteral("user_data_location.xml"), QStringLiteral("WINEPREFIX"),
            QStringLiteral("dane.dat"), QStringLiteral("registry.reg")});
}

} // namespace
