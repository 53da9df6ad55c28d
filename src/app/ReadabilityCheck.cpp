#include "app/ReadabilityCheck.h"

#include "app/EmbeddedPicture.h"
#include "app/ImagePixels.h"
#include "app/LanguageTexts.h"
#include "app/SlotReadings.h"
#include "colours/ColourXmlFormat.h"
#include "colours/ColourXmlReader.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "editor/PreviewLayout.h"
#include "editor/PreviewSamples.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/Paths.h"
#include "platform/PictureLoader.h"
#include "readability/BeneathColour.h"
#include "readability/ReadabilityReport.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>

namespace tintabel {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: tintabel check [--json] [--background PICTURE | --against RRGGBB] COLOUR_XML\n");

// The check changes nothing of the user's: the document keeps its attributes, where a load in the
// window makes a read-only one writable for the saves that may follow.
class UntouchedFiles : public LocalFileSystem {
public:
    using LocalFileSystem::LocalFileSystem;
    bool setNormalAttributes(std::string_view) override { return true; }
};

struct Request {
    bool json = false;
    QString document;
    QString background; // empty: none given
    std::optional<ColourValue> against;
};

CommandLine::Result usageError(const QString& message)
{
    return {.exitStatus = CommandLine::kUsageError,
        .err = (QStringLiteral("tintabel check: ") + message + QLatin1Char('\n') + kUsage)
                   .toStdString()};
}

bool isColourCode(const std::string& text)
{
    return text.size() == 6
        && std::ranges::all_of(text, [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// The slotModel as the window's reader leaves them, the working copy in a folder of the check's
// own.
void readDocument(FileSystem& files, const std::string& path, SlotModel& slotModel)
{
    if (!ColourXmlFormat::isColourDocumentFile(files, path))
        throw XmlError(englishTexts().msgNotColourXml);
    const QTemporaryDir temp;
    if (!temp.isValid())
        throw InOutError(temp.errorString().toStdString());
    WorkingCopy copy {.tempFolder = temp.path().toStdString(), .path = {}};
    ColourXmlReader reader(
        files, copy, slotModel, [&slotModel](std::size_t index, std::int32_t alpha) {
            slotModel.setAlpha(index, std::to_string(alpha));
        });
    reader.load(path, fileNamePart(path));
}

std::function<ColourValue(std::size_t)> beneathFor(const Request& request, FileSystem& files)
{
    if (request.against)
        return [colour = *request.against](std::size_t) { return colour; };
    if (!request.background.isEmpty()) {
        PictureLoader pictures(files);
        return [mean = meanOfPicture(constPixelsOf(with32BitPixels(pictures.load(
                    request.background.toStdString()))))](std::size_t) { return mean; };
    }
    // Every start place lies on the start background, so no group face ever shows.
    return [start = with32BitPixels(loadEmbeddedPicture(
                QStringLiteral(":/pictures/background.png")))](std::size_t index) {
        const SamplePosition place = PreviewSamples::kStartPositions.at(index);
        return beneathSample(start, PreviewLayout::kBackgroundStart, {place.left, place.top}, 0);
    };
}

} // namespace

CommandLine::Command readabilityCheckCommand()
{
    return {
        .name = QStringLiteral("check"),
        .summary = QStringLiteral("Prints how readable a colour XML file's colours are."),
        .run =
            [](const QStringList& arguments) {
                return runReadabilityCheck(arguments, Environment::fromProcess());
            },
    };
}

CommandLine::Result runReadabilityCheck(
    const QStringList& arguments, const Environment& environment)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption background(
        QStringLiteral("background"), {}, QStringLiteral("PICTURE"));
    const QCommandLineOption against(QStringLiteral("against"), {}, QStringLiteral("RRGGBB"));
    parser.addOptions({help, json, background, against});
    if (!parser.parse(QStringList {QStringLiteral("check")} + arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {.exitStatus = CommandLine::kSuccess, .out = kUsage.toStdString()};
    if (parser.isSet(background) && parser.isSet(against))
        return usageError(QStringLiteral("Give either --background or --against, not both."));
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("Give one colour XML file."));

    Request request {.json = parser.isSet(json),
        .document = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath(),
        .background = parser.value(background),
        .against = std::nullopt};
    if (parser.isSet(against)) {
        const std::string code = parser.value(against).toStdString();
        if (!isColourCode(code))
            return usageError(QStringLiteral("--against takes six hexadecimal digits, RRGGBB."));
        request.against = HexToColour(code);
    }

    UntouchedFiles files(environment);
    try {
        SlotModel slotModel;
        readDocument(files, request.document.toStdString(), slotModel);
        const ReadabilityFigures figures
            = computeReadability(slotReadings(slotModel, beneathFor(request, files)));
        return {.exitStatus = figures.passes() ? CommandLine::kSuccess : CommandLine::kFailure,
            .out = request.json ? jsonReport(figures) : plainReport(figures)};
    } catch (const Error& error) {
        return {.exitStatus = CommandLine::kUsageError, .err = std::string(error.what()) + "\n"};
    }
}

} // namespace tintabel
