#include "ui/recording/gif_stream.h"

#include <gif_lib.h>
#include <libimagequant.h>
#include <omp.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "base/round_even.h"

namespace fibwick {
namespace {

constexpr int PaletteSize = 256;
constexpr std::uint32_t Transparent = 0;
// Set on every stored pixel that changed, also where a padded frame has none.
constexpr std::uint32_t Opaque = 0xff000000u;

// A pixel of the rectangle to store: opaque where it changed, transparent where it did not.
using Pixels = std::vector<std::uint32_t>;

struct Indexed {
  std::vector<std::uint8_t> indices;
  std::vector<std::uint8_t> palette;
  int transparent = -1;
};

int Red(std::uint32_t p) {
  return static_cast<int>((p >> 16) & 0xff);
}
int Green(std::uint32_t p) {
  return static_cast<int>((p >> 8) & 0xff);
}
int Blue(std::uint32_t p) {
  return static_cast<int>(p & 0xff);
}

// Most frames of a table hold few colours: they are stored exactly, without quantising.
bool IndexExactly(const Pixels& pixels, Indexed& out) {
  constexpr std::size_t Slots = 1024;
  std::array<std::uint32_t, Slots> keys{};
  std::array<std::int16_t, Slots> values;
  values.fill(-1);
  out.indices.resize(pixels.size());
  out.palette.clear();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = pixels[i];
    std::size_t slot = (p * 2654435761u) >> 22;
    while (values[slot] >= 0 && keys[slot] != p) slot = (slot + 1) % Slots;
    if (values[slot] < 0) {
      const int count = static_cast<int>(out.palette.size() / 3);
      if (count == PaletteSize) return false;
      keys[slot] = p;
      values[slot] = static_cast<std::int16_t>(count);
      if (p == Transparent) out.transparent = count;
      out.palette.insert(out.palette.end(),
                         {static_cast<std::uint8_t>(Red(p)), static_cast<std::uint8_t>(Green(p)),
                          static_cast<std::uint8_t>(Blue(p))});
    }
    out.indices[i] = static_cast<std::uint8_t>(values[slot]);
  }
  return true;
}

// The rest get the colours that serve them best. Only the changed pixels are quantised, the
// transparent ones taking an entry of their own. Without dithering: a flat colour of the table
// stays flat, with no speckles around the cards.
bool Quantise(const Pixels& pixels, Indexed& out) {
  std::vector<liq_color> changed;
  changed.reserve(pixels.size());
  for (const std::uint32_t p : pixels) {
    if (p == Transparent) continue;
    changed.push_back({static_cast<unsigned char>(Red(p)), static_cast<unsigned char>(Green(p)),
                       static_cast<unsigned char>(Blue(p)), 255});
  }
  const bool holes = changed.size() < pixels.size();
  // The quantiser keeps to the thread it is called on: the window's thread needs the other core.
  omp_set_num_threads(1);
  liq_attr* attr = liq_attr_create();
  liq_set_max_colors(attr, holes ? PaletteSize - 1 : PaletteSize);
  liq_set_speed(attr, 10);
  liq_image* image =
      liq_image_create_rgba(attr, changed.data(), static_cast<int>(changed.size()), 1, 0);
  liq_result* result = nullptr;
  std::vector<std::uint8_t> remapped(changed.size());
  bool done = image && liq_image_quantize(image, attr, &result) == LIQ_OK;
  if (done) {
    liq_set_dithering_level(result, 0.0f);
    done = liq_write_remapped_image(result, image, remapped.data(), remapped.size()) == LIQ_OK;
    const liq_palette* palette = liq_get_palette(result);
    out.palette.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
      const liq_color& c = palette->entries[i];
      out.palette.insert(out.palette.end(), {c.r, c.g, c.b});
    }
    out.transparent = -1;
    if (holes) {
      out.transparent = static_cast<int>(palette->count);
      out.palette.insert(out.palette.end(), {0, 0, 0});
    }
    out.indices.resize(pixels.size());
    auto next = remapped.begin();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      out.indices[i] =
          pixels[i] == Transparent ? static_cast<std::uint8_t>(out.transparent) : *next++;
    }
  }
  if (result) liq_result_destroy(result);
  if (image) liq_image_destroy(image);
  liq_attr_destroy(attr);
  return done;
}

// The smallest rectangle holding every pixel that differs; empty when none does.
QRect ChangedRect(const QImage& before, const QImage& after) {
  int top = -1, bottom = -1, left = after.width(), right = -1;
  const auto rowBytes = static_cast<std::size_t>(after.width()) * 4;
  for (int y = 0; y < after.height(); ++y) {
    const auto* a = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
    const auto* b = reinterpret_cast<const std::uint32_t*>(after.constScanLine(y));
    if (std::memcmp(a, b, rowBytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int x = 0;
    while (a[x] == b[x]) ++x;
    left = std::min(left, x);
    x = after.width() - 1;
    while (a[x] == b[x]) --x;
    right = std::max(right, x);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

int WriteBytes(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

}  // namespace

int GifDelayUnits(int milliseconds) {
  return RoundEven(milliseconds / 10.0);
}

GifStream::GifStream() = default;

GifStream::~GifStream() {
  if (gif_) EGifCloseFile(gif_, nullptr);
}

void GifStream::Open(QSize size) {
  int error = 0;
  gif_ = EGifOpen(&bytes_, WriteBytes, &error);
  if (!gif_) return;
  EGifSetGifVersion(gif_, true);
  EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, nullptr);
  // Played over and over, the long last frame being the pause between two showings.
  static const char application[] = "NETSCAPE2.0";
  static const GifByteType loopAlways[] = {1, 0, 0};
  EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE);
  EGifPutExtensionBlock(gif_, 11, application);
  EGifPutExtensionBlock(gif_, 3, loopAlways);
  EGifPutExtensionTrailer(gif_);
}

void GifStream::AddFrame(const QImage& frame, int delayMs) {
  QImage image = frame.convertToFormat(QImage::Format_RGB32);
  QRect rect;
  if (previous_.isNull()) {
    Open(image.size());
    rect = image.rect();
  } else {
    if (image.size() != previous_.size()) image = image.copy(previous_.rect());
    rect = ChangedRect(previous_, image);
    // Nothing changed: a single transparent pixel still counts as the frame.
    if (rect.isEmpty()) rect = QRect(0, 0, 1, 1);
  }
  Pixels pixels(static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height()));
  auto* out = pixels.data();
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const auto* now = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)) + rect.left();
    if (previous_.isNull()) {
      out =
          std::transform(now, now + rect.width(), out, [](std::uint32_t p) { return p | Opaque; });
      continue;
    }
    const auto* was =
        reinterpret_cast<const std::uint32_t*>(previous_.constScanLine(y)) + rect.left();
    for (int x = 0; x < rect.width(); ++x)
      *out++ = now[x] == was[x] ? Transparent : now[x] | Opaque;
  }
  Indexed indexed;
  if (!IndexExactly(pixels, indexed)) Quantise(pixels, indexed);
  if (pending_) Write(*pending_, pending_->delayMs);
  pending_ = std::make_unique<Pending>(Pending{
      rect, std::move(indexed.indices), std::move(indexed.palette), indexed.transparent, delayMs});
  previous_ = std::move(image);
  ++frames_;
}

void GifStream::Write(Pending& frame, int delayMs) {
  if (!gif_ || frame.indices.empty()) return;
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = GifDelayUnits(delayMs);
  control.TransparentColor = frame.transparent >= 0 ? frame.transparent : NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);

  const int colours = static_cast<int>(frame.palette.size() / 3);
  const int mapSize = 1 << std::max(1, GifBitSize(colours));
  std::vector<GifColorType> entries(static_cast<std::size_t>(mapSize));
  for (int i = 0; i < colours; ++i) {
    const auto at = static_cast<std::size_t>(i) * 3;
    entries[static_cast<std::size_t>(i)] = {frame.palette[at], frame.palette[at + 1],
                                            frame.palette[at + 2]};
  }
  ColorMapObject* map = GifMakeMapObject(mapSize, entries.data());
  EGifPutImageDesc(gif_, frame.rect.left(), frame.rect.top(), frame.rect.width(),
                   frame.rect.height(), false, map);
  GifFreeMapObject(map);
  // giflib masks the indices in place as it writes them.
  EGifPutLine(gif_, frame.indices.data(), static_cast<int>(frame.indices.size()));
}

std::string GifStream::Finish(int lastDelayMs) {
  if (!gif_) return {};
  if (pending_) Write(*pending_, lastDelayMs);
  pending_.reset();
  const bool closed = EGifCloseFile(gif_, nullptr) == GIF_OK;
  gif_ = nullptr;
  previous_ = QImage();
  frames_ = 0;
  return closed ? std::move(bytes_) : std::string();
}

}  // namespace fibwick
