// Background pictures: every input goes to the JPEG, PNG and BMP decoders by the extension the
// loader chooses them by. A picture comes back whole, in the one format, within the size cap.
#include "platform/Errors.h"
#include "platform/PictureLoader.h"
#include "support/Check.h"
#include "support/InputFiles.h"

using namespace tintabel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tintabel::fuzz::InputFiles files({reinterpret_cast<const char*>(data), size});
    PictureLoader loader(files);
    for (const char* path : {"background.jpg", "background.png", "background.bmp"}) {
        try {
            const QImage picture = loader.load(path);
            FUZZ_CHECK(!picture.isNull() && picture.format() == QImage::Format_ARGB32);
            FUZZ_CHECK(std::int64_t(picture.width()) * picture.height() <= std::int64_t(1) << 26);
        } catch (const PictureError&) {
        }
    }
    return 0;
}
