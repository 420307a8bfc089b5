#include "ui/resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fibwick {
namespace {

bool IsRgbPicture(QImage::Format format) {
  switch (format) {
    case QImage::Format_Invalid:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
      return false;
    default:
      return true;
  }
}

// Source index and fraction of each target column (or row) of the bilinear resize.
struct Tap {
  int index;
  double fraction;
};

std::vector<Tap> BilinearTaps(int source, int target) {
  std::vector<Tap> taps(target);
  for (int t = 0; t < target; ++t) {
    const double s = static_cast<double>(t) * (source - 1) / target;
    const int i = static_cast<int>(s);
    taps[t] = {i, s - i};
  }
  return taps;
}

double Spline36(double x) {
  x = std::abs(x);
  if (x < 1.0) return ((13.0 / 11.0 * x - 453.0 / 209.0) * x - 3.0 / 209.0) * x + 1.0;
  if (x < 2.0) {
    x -= 1.0;
    return ((-6.0 / 11.0 * x + 270.0 / 209.0) * x - 156.0 / 209.0) * x;
  }
  if (x < 3.0) {
    x -= 2.0;
    return ((1.0 / 11.0 * x - 45.0 / 209.0) * x + 26.0 / 209.0) * x;
  }
  return 0.0;
}

// The weights of one target sample over consecutive source samples from `first`.
struct Contribution {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Contribution> Spline36Contributions(int source, int target) {
  const double ratio = static_cast<double>(source) / target;
  const double widen = std::max(1.0, ratio);  // a wider kernel when shrinking, against aliasing
  const double support = 3.0 * widen;
  std::vector<Contribution> result(target);
  for (int t = 0; t < target; ++t) {
    const double centre = (t + 0.5) * ratio - 0.5;
    const int lo = static_cast<int>(std::ceil(centre - support));
    const int hi = static_cast<int>(std::floor(centre + support));
    const int first = std::clamp(lo, 0, source - 1);
    const int last = std::clamp(hi, 0, source - 1);
    std::vector<double> weights(last - first + 1, 0.0);
    double sum = 0.0;
    for (int s = lo; s <= hi; ++s) {
      const double w = Spline36((s - centre) / widen);
      weights[std::clamp(s, 0, source - 1) - first] += w;  // edges repeat the border sample
      sum += w;
    }
    Contribution& c = result[t];
    c.first = first;
    c.weights.reserve(weights.size());
    for (double w : weights) c.weights.push_back(static_cast<float>(w / sum));
  }
  return result;
}

std::uint8_t ToChannel(float value) {
  return static_cast<std::uint8_t>(std::clamp(std::nearbyint(value), 0.0f, 255.0f));
}

}  // namespace

void ResizePicture(QImage& picture, int w, int h) {
  if (picture.width() <= 1 || picture.height() <= 1 || w <= 1 || h <= 1) return;
  if (!IsRgbPicture(picture.format())) throw std::invalid_argument(UnsupportedColourTypeError);

  const bool alpha = picture.hasAlphaChannel();
  const QImage source =
      picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QImage target(w, h, source.format());
  const std::vector<Tap> columns = BilinearTaps(source.width(), w);
  const std::vector<Tap> rows = BilinearTaps(source.height(), h);
  for (int ty = 0; ty < h; ++ty) {
    const Tap row = rows[ty];
    const auto* top = reinterpret_cast<const QRgb*>(source.constScanLine(row.index));
    const auto* bottom = reinterpret_cast<const QRgb*>(source.constScanLine(row.index + 1));
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
    for (int tx = 0; tx < w; ++tx) {
      const Tap column = columns[tx];
      const QRgb p00 = top[column.index];
      const QRgb p10 = top[column.index + 1];
      const QRgb p01 = bottom[column.index];
      const QRgb p11 = bottom[column.index + 1];
      const double fx = column.fraction;
      const double fy = row.fraction;
      const double w00 = (1 - fx) * (1 - fy);
      const double w10 = fx * (1 - fy);
      const double w01 = (1 - fx) * fy;
      const double w11 = fx * fy;
      // nearbyint rounds half-way values to even in the default rounding mode.
      const auto mix = [&](int shift) {
        const double v = w00 * ((p00 >> shift) & 0xFF) + w10 * ((p10 >> shift) & 0xFF) +
                         w01 * ((p01 >> shift) & 0xFF) + w11 * ((p11 >> shift) & 0xFF);
        return static_cast<int>(std::nearbyint(v));
      };
      out[tx] = qRgba(mix(16), mix(8), mix(0), alpha ? mix(24) : 255);
    }
  }
  picture = target;
}

QImage Spline36Resample(const QImage& picture, int w, int h) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  const int sw = source.width();
  const int sh = source.height();
  if (sw == 0 || sh == 0 || w <= 0 || h <= 0)
    return QImage(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);

  // Rows first into a float buffer of three channels, then columns.
  const std::vector<Contribution> across = Spline36Contributions(sw, w);
  std::vector<float> wide(static_cast<std::size_t>(w) * sh * 3);
  for (int y = 0; y < sh; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    float* out = &wide[static_cast<std::size_t>(y) * w * 3];
    for (int x = 0; x < w; ++x) {
      const Contribution& c = across[x];
      float r = 0, g = 0, b = 0;
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const QRgb p = in[c.first + static_cast<int>(k)];
        const float weight = c.weights[k];
        r += weight * static_cast<float>(qRed(p));
        g += weight * static_cast<float>(qGreen(p));
        b += weight * static_cast<float>(qBlue(p));
      }
      out[3 * x] = r;
      out[3 * x + 1] = g;
      out[3 * x + 2] = b;
    }
  }

  const std::vector<Contribution> down = Spline36Contributions(sh, h);
  QImage target(w, h, QImage::Format_RGB32);
  std::vector<float> sums(static_cast<std::size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    const Contribution& c = down[y];
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (std::size_t k = 0; k < c.weights.size(); ++k) {
      const float weight = c.weights[k];
      const float* in = &wide[static_cast<std::size_t>(c.first + static_cast<int>(k)) * w * 3];
      for (std::size_t i = 0; i < sums.size(); ++i) sums[i] += weight * in[i];
    }
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = 0; x < w; ++x) {
      out[x] = qRgb(ToChannel(sums[3 * x]), ToChannel(sums[3 * x + 1]), ToChannel(sums[3 * x + 2]));
    }
  }
  return target;
}

bool InsideRoundRect(int x, int y, int w, int h, int cornerW, int cornerH) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  const double rx = std::min(cornerW, w) / 2.0;
  const double ry = std::min(cornerH, h) / 2.0;
  if (rx <= 0 || ry <= 0) return true;
  const double px = x + 0.5;
  const double py = y + 0.5;
  // Only the four corner boxes are cut; test against the quarter ellipse of the nearest corner.
  const double cx = px < rx ? rx : (px > w - rx ? w - rx : px);
  const double cy = py < ry ? ry : (py > h - ry ? h - ry : py);
  const double dx = (px - cx) / rx;
  const double dy = (py - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace fibwick
