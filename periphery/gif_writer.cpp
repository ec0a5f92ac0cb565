#include "periphery/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <optional>

#include "core/files/atomic_file.h"

namespace tavik::periphery {
namespace {

constexpr int kTransparentIndex = 0;

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    return length;
}

files::FileError gifError(const char* step, int code) {
    return {std::string("GIF ") + step + " failed: " + GifErrorString(code)};
}

}  // namespace

files::Result<std::string> EncodeAnimatedGif(const std::vector<RgbaView>& frames, int delayMs) {
    if (frames.empty()) return files::FileError{"no frames for the GIF"};
    const int width = frames.front().width, height = frames.front().height;
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        return files::FileError{"a GIF frame of an impossible size"};
    for (const RgbaView& f : frames)
        if (f.width != width || f.height != height)
            return files::FileError{"the GIF frames differ in size"};
    GifPalette palette(frames);

    std::array<GifColorType, 256> colours{};
    for (std::size_t i = 0; i < palette.colours().size(); ++i) {
        const Rgb& c = palette.colours()[i];
        colours[i + 1] = {c.r, c.g, c.b};
    }

    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) return gifError("opening", error);
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, true);
    std::optional<files::FileError> failure;
    auto check = [&](int result, const char* step) {
        if (result == GIF_ERROR && !failure) failure = gifError(step, gif->Error);
        return !failure;
    };
    if (check(EGifPutScreenDesc(gif, width, height, 8, kTransparentIndex, map), "screen")) {
        // Loop for ever: the application extension of Netscape with a count of 0.
        static GifByteType netscape[] = "NETSCAPE2.0";
        static GifByteType loop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop");
        check(EGifPutExtensionBlock(gif, 11, netscape), "loop");
        check(EGifPutExtensionBlock(gif, 3, loop), "loop");
        check(EGifPutExtensionTrailer(gif), "loop");
    }
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (const RgbaView& f : frames) {
        if (failure) break;
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.UserInputFlag = false;
        control.DelayTime = std::clamp((delayMs + 5) / 10, 1, 0xFFFF);
        control.TransparentColor = kTransparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), "frame");
        check(EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr), "frame");
        for (int y = 0; y < height && !failure; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = f.pixel(x, y);
                row[static_cast<std::size_t>(x)] =
                    GifOpaque(p) ? GifPixelType(palette.indexOf(p)) : kTransparentIndex;
            }
            check(EGifPutLine(gif, row.data(), width), "line");
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR && !failure) failure = gifError("closing", error);
    if (failure) return *failure;
    return bytes;
}

files::Status WriteAnimatedGif(const std::string& path, const std::vector<RgbaView>& frames,
                               int delayMs) {
    files::Result<std::string> bytes = EncodeAnimatedGif(frames, delayMs);
    if (!bytes.ok()) return bytes.error();
    return files::writeFileAtomic(path, *bytes);
}

}  // namespace tavik::periphery
