#pragma once

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace kervale::worldgen {

// Colour components 0..255 and an opacity 0..1.
struct Paint {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;
};

inline Paint mix(const Paint& a, const Paint& b, double t) {
  return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t,
          a.alpha + (b.alpha - a.alpha) * t};
}

inline Paint scaled(const Paint& p, double factor) {
  return {std::clamp(p.red * factor, 0.0, 255.0), std::clamp(p.green * factor, 0.0, 255.0),
          std::clamp(p.blue * factor, 0.0, 255.0), p.alpha};
}

inline Paint withAlpha(Paint p, double alpha) {
  p.alpha = alpha;
  return p;
}

// Hash noise in [0, 1) for a pixel: the same every run, with no shared state.
inline double pixelNoise(int x, int y, std::uint32_t seed) {
  std::uint32_t h =
      static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / 16777216.0;
}

// A picture drawn by the generator's own rasterizer: only additions,
// multiplications and comparisons, so that the pixels do not depend on a
// drawing library's version. Shapes are sampled n x n times per pixel for
// smooth edges.
class Canvas {
 public:
  Canvas(int width, int height, Paint background = {0, 0, 0, 0})
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {
    for (Pixel& p : pixels_) p = premultiplied(background);
  }

  int width() const { return width_; }
  int height() const { return height_; }

  // Paints the part of every pixel within the box that lies inside the shape.
  template <class Inside>
  void fill(double left, double top, double right, double bottom, const Inside& inside, const Paint& paint,
            int samples = 4) {
    const int x0 = std::max(0, static_cast<int>(left) - 1), x1 = std::min(width_ - 1, static_cast<int>(right) + 1);
    const int y0 = std::max(0, static_cast<int>(top) - 1), y1 = std::min(height_ - 1, static_cast<int>(bottom) + 1);
    const double step = 1.0 / samples;
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        int hits = 0;
        for (int sy = 0; sy < samples; ++sy) {
          for (int sx = 0; sx < samples; ++sx) {
            if (inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step)) ++hits;
          }
        }
        if (hits) blend(x, y, paint, static_cast<double>(hits) / (samples * samples));
      }
    }
  }

  template <class Inside>
  void fill(const Inside& inside, const Paint& paint, int samples = 4) {
    fill(0, 0, width_, height_, inside, paint, samples);
  }

  // Paints every pixel with the colour the shader gives for its centre.
  template <class Shader>
  void shade(const Shader& shader) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) blend(x, y, shader(x, y), 1.0);
    }
  }

  void blend(int x, int y, const Paint& paint, double coverage) {
    Pixel& p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    const double a = paint.alpha * coverage;
    p.red = paint.red * a + p.red * (1 - a);
    p.green = paint.green * a + p.green * (1 - a);
    p.blue = paint.blue * a + p.blue * (1 - a);
    p.alpha = a + p.alpha * (1 - a);
  }

  QImage image(bool keepAlpha) const {
    QImage result(width_, height_, keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
      auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
      for (int x = 0; x < width_; ++x) {
        const Pixel& p = pixels_[static_cast<std::size_t>(y * width_ + x)];
        const double a = keepAlpha ? p.alpha : 1.0;
        const double divisor = keepAlpha ? (p.alpha > 0 ? p.alpha : 1.0) : 1.0;
        line[x] = qRgba(byte(p.red / divisor), byte(p.green / divisor), byte(p.blue / divisor), byte(a * 255));
      }
    }
    return result;
  }

 private:
  struct Pixel {
    double red, green, blue, alpha;  // premultiplied
  };
  static Pixel premultiplied(const Paint& p) { return {p.red * p.alpha, p.green * p.alpha, p.blue * p.alpha, p.alpha}; }
  static int byte(double value) { return std::clamp(static_cast<int>(value + 0.5), 0, 255); }

  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

// Shapes as point tests.
struct Point {
  double x, y;
};

inline auto circle(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

inline auto ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) { return (x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1; };
}

inline auto ring(double cx, double cy, double r, double halfWidth) {
  return [=](double x, double y) {
    const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d2 <= (r + halfWidth) * (r + halfWidth) && d2 >= (r - halfWidth) * (r - halfWidth);
  };
}

inline auto rectangle(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// Points within halfWidth of the segment.
inline auto segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= halfWidth * halfWidth;
  };
}

// Even-odd rule.
inline auto polygon(std::vector<Point> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point& a = points[i];
      const Point& b = points[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
  };
}

// Outline of a polygon, halfWidth either side of each edge.
inline auto outline(std::vector<Point> points, double halfWidth) {
  return [points = std::move(points), halfWidth](double x, double y) {
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      if (segment(points[j].x, points[j].y, points[i].x, points[i].y, halfWidth)(x, y)) return true;
    }
    return false;
  };
}

// Unit directions at 36 degree steps clockwise from straight up, written out
// so that no library sine enters the pixels.
inline constexpr double kUnitX[10] = {0.0, 0.5877853,  0.9510565,  0.9510565,  0.5877853,
                                      0.0, -0.5877853, -0.9510565, -0.9510565, -0.5877853};
inline constexpr double kUnitY[10] = {-1.0, -0.8090170, -0.3090170, 0.3090170,  0.8090170,
                                      1.0,  0.8090170,  0.3090170,  -0.3090170, -0.8090170};

// Five-pointed star, point up.
inline std::vector<Point> starPoints(double cx, double cy, double outer, double inner) {
  std::vector<Point> points;
  for (int k = 0; k < 10; ++k) {
    const double r = k % 2 == 0 ? outer : inner;
    points.push_back({cx + r * kUnitX[k], cy + r * kUnitY[k]});
  }
  return points;
}

// Regular pentagon, a corner up (or down when flipped).
inline std::vector<Point> pentagonPoints(double cx, double cy, double r, bool flipped = false) {
  std::vector<Point> points;
  for (int k = 0; k < 10; k += 2) points.push_back({cx + r * kUnitX[k], cy + (flipped ? -r : r) * kUnitY[k]});
  return points;
}

}  // namespace kervale::worldgen
