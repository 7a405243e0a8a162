// Badges, flags, the pitch pictures and the screens' fixed pictures, all
// drawn here from simple shapes.
#include <QImage>
#include <cmath>
#include <stdexcept>
#include <string>

#include "canvas.h"
#include "world.h"
#include "world_random.h"

namespace kervale::worldgen {

namespace {

constexpr int kJpegQuality = 85;

Paint paintOf(const Rgb& c, double alpha = 1) {
  return {static_cast<double>(c.red), static_cast<double>(c.green), static_cast<double>(c.blue), alpha};
}

const Paint kWhite{255, 255, 255};
const Paint kBlack{0, 0, 0};
const Paint kInk{24, 24, 28};

void save(const Canvas& canvas, const std::filesystem::path& folder, const std::string& name) {
  const bool jpeg = name.size() > 4 && name.substr(name.size() - 4) == ".jpg";
  const QImage image = canvas.image(!jpeg);
  const QString path = QString::fromStdString((folder / name).string());
  const bool saved = jpeg ? image.save(path, "JPG", kJpegQuality) : image.save(path, "PNG");
  if (!saved) throw std::runtime_error("cannot write picture " + (folder / name).string());
}

// ---------------------------------------------------------------- badges

// The shield's outline, scaled about its middle.
std::vector<Point> shieldPoints(double size, double scale) {
  std::vector<Point> points;
  auto add = [&](double x, double y) {
    const double cx = 32, cy = 32;
    points.push_back({(cx + (x - cx) * scale) * size / 64, (cy + (y - cy) * scale) * size / 64});
  };
  add(8, 5);
  add(56, 5);
  add(56, 30);
  // Two quadratic curves down to the point.
  for (int i = 1; i <= 16; ++i) {
    const double t = i / 16.0, u = 1 - t;
    add(u * u * 56 + 2 * u * t * 56 + t * t * 32, u * u * 30 + 2 * u * t * 50 + t * t * 60);
  }
  for (int i = 1; i <= 16; ++i) {
    const double t = i / 16.0, u = 1 - t;
    add(u * u * 32 + 2 * u * t * 8 + t * t * 8, u * u * 60 + 2 * u * t * 50 + t * t * 30);
  }
  return points;
}

Canvas drawBadge(const Badge& badge) {
  Canvas canvas(64, 64);
  const Paint first = paintOf(badge.colour1), second = paintOf(badge.colour2);
  canvas.fill(polygon(shieldPoints(64, 1.0)), kInk);
  canvas.fill(polygon(shieldPoints(64, 0.93)), second);
  const auto inner = polygon(shieldPoints(64, 0.84));
  canvas.fill(inner, first);
  auto within = [&](auto shape) { return [=](double x, double y) { return inner(x, y) && shape(x, y); }; };
  switch (badge.pattern) {
    case 0:
      canvas.fill(within([](double x, double) { return static_cast<int>(x / 7) % 2 == 1; }), second);
      break;
    case 1:
      canvas.fill(within(rectangle(0, 25, 64, 36)), second);
      break;
    case 2:
      canvas.fill(within([](double x, double y) { return std::abs(x - y) < 7; }), second);
      break;
    case 3:
      canvas.fill(within([](double x, double y) {
                    const double v = std::abs(x - 32) * 0.7;
                    return y >= 20 + v && y <= 31 + v;
                  }),
                  second);
      break;
    case 4:
      canvas.fill(within([](double x, double y) { return (x < 32) == (y < 30); }), second);
      break;
    case 5:
      canvas.fill(within(polygon(starPoints(32, 31, 15, 6))), second);
      break;
    case 6:
      canvas.fill(within(ring(32, 31, 12, 2.5)), second);
      canvas.fill(within(polygon(pentagonPoints(32, 31, 6))), second);
      break;
    case 7:
      canvas.fill(within([](double x, double y) { return std::abs(x - 32) <= 5 || std::abs(y - 28) <= 5; }), second);
      break;
    case 8:
      canvas.fill(within([](double x, double) { return x < 32; }), second);
      break;
    default:
      canvas.fill(within([](double, double y) { return static_cast<int>(y / 7) % 2 == 1; }), second);
      break;
  }
  return canvas;
}

// ---------------------------------------------------------------- flags

Canvas drawFlag(const Nation& nation) {
  constexpr int w = 48, h = 32;
  const Paint a = paintOf(nation.colours[0]), b = paintOf(nation.colours[1]), c = paintOf(nation.colours[2]);
  Canvas canvas(w, h, a);
  switch (nation.flagPattern) {
    case 0:  // three bands across
      canvas.fill(rectangle(0, h / 3.0, w, 2 * h / 3.0), b);
      canvas.fill(rectangle(0, 2 * h / 3.0, w, h), c);
      break;
    case 1:  // three bands down
      canvas.fill(rectangle(w / 3.0, 0, 2 * w / 3.0, h), b);
      canvas.fill(rectangle(2 * w / 3.0, 0, w, h), c);
      break;
    case 2:  // off-centre cross with a fimbriation
      canvas.fill([](double x, double y) { return std::abs(x - 16) <= 5 || std::abs(y - 16) <= 5; }, c);
      canvas.fill([](double x, double y) { return std::abs(x - 16) <= 3 || std::abs(y - 16) <= 3; }, b);
      break;
    case 3:  // diagonal halves and band
      canvas.fill([](double x, double y) { return y * 1.5 > x; }, b);
      canvas.fill(segment(0, 0, w, h, 4), c);
      break;
    case 4:  // disc
      canvas.fill(circle(24, 16, 10), b);
      canvas.fill(circle(24, 16, 5), c);
      break;
    case 5:  // two bands and a canton with a star
      canvas.fill(rectangle(0, h / 2.0, w, h), b);
      canvas.fill(rectangle(0, 0, 20, 16), c);
      canvas.fill(polygon(starPoints(10, 8.5, 6, 2.4)), b);
      break;
    case 6:  // two bands and a hoist triangle
      canvas.fill(rectangle(0, h / 2.0, w, h), b);
      canvas.fill(polygon({{0, 0}, {20, 16}, {0, 32}}), c);
      break;
    case 7:  // centred cross
      canvas.fill([](double x, double y) { return std::abs(x - 24) <= 4 || std::abs(y - 16) <= 4; }, b);
      canvas.fill(circle(24, 16, 3), c);
      break;
    case 8:  // saltire
      canvas.fill(segment(0, 0, w, h, 4), b);
      canvas.fill(segment(0, h, w, 0, 4), b);
      canvas.fill(circle(24, 16, 4), c);
      break;
    default:  // lozenge
      canvas.fill(polygon({{24, 2}, {46, 16}, {24, 30}, {2, 16}}), b);
      canvas.fill(polygon(starPoints(24, 16.5, 7, 2.8)), c);
      break;
  }
  canvas.fill(outline({{0.5, 0.5}, {w - 0.5, 0.5}, {w - 0.5, h - 0.5}, {0.5, h - 0.5}}, 0.5), Paint{70, 70, 70});
  return canvas;
}

// ---------------------------------------------------------------- pitches

// The match screen's pitch, 1815 x 1215 twips: the zone grid lies over it.
// Picture 1 belongs to the grandest stadiums, 8 to the humblest: the grass
// grows patchier and the lines fainter down the list.
Canvas drawPitch(int picture) {
  constexpr int w = 121, h = 81;
  const double t = (picture - 1) / 7.0;
  WorldRandom random("pitch " + std::to_string(picture));
  const Paint lush{34, 139, 52}, tired{106, 122, 58};
  const Paint grass = mix(lush, tired, t);
  const double stripe = 0.11 * (1 - t);
  const double roughness = 0.03 + 0.12 * t;
  Canvas canvas(w, h);
  canvas.shade([&](int x, int y) {
    double light = 1.0;
    const bool band = (x * 10 / w) % 2 == 0;
    light += band ? stripe : -stripe;
    if (picture == 1 && (y * 6 / h) % 2 == 0) light += band ? -stripe * 0.6 : stripe * 0.6;  // chequered mowing
    light += (pixelNoise(x, y, static_cast<std::uint32_t>(picture)) - 0.5) * 2 * roughness;
    return scaled(grass, light);
  });
  // Worn patches: goalmouths and the centre first.
  const int patches = static_cast<int>(t * 12 + 0.5);
  const Paint earth{128, 104, 62};
  for (int i = 0; i < patches; ++i) {
    double cx, cy;
    switch (i % 3) {
      case 0:
        cx = random.uniform(4, 16);
        break;
      case 1:
        cx = random.uniform(105, 117);
        break;
      default:
        cx = random.uniform(45, 76);
        break;
    }
    cy = random.uniform(25, 56);
    const double rx = random.uniform(2, 4 + 7 * t), ry = random.uniform(2, 3 + 5 * t);
    canvas.fill(cx - rx, cy - ry, cx + rx, cy + ry, ellipse(cx, cy, rx, ry),
                withAlpha(earth, random.uniform(0.3, 0.7)));
  }
  const Paint line = withAlpha(kWhite, 1.0 - 0.45 * t);
  const double half = 0.55;
  const double left = 3, right = 118, top = 3, bottom = 78, middle = 60.5, centreY = 40.5;
  auto lines = [&](auto shape) { canvas.fill(shape, line, 5); };
  lines(outline({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, half));
  lines(segment(middle, top, middle, bottom, half));
  lines(ring(middle, centreY, 9, half));
  lines(circle(middle, centreY, 1));
  for (int end = 0; end < 2; ++end) {
    const double goalLine = end == 0 ? left : right;
    const double inward = end == 0 ? 1 : -1;
    lines(outline({{goalLine, centreY - 22},
                   {goalLine + inward * 18, centreY - 22},
                   {goalLine + inward * 18, centreY + 22},
                   {goalLine, centreY + 22}},
                  half));
    lines(outline({{goalLine, centreY - 10},
                   {goalLine + inward * 6, centreY - 10},
                   {goalLine + inward * 6, centreY + 10},
                   {goalLine, centreY + 10}},
                  half));
    lines(circle(goalLine + inward * 12, centreY, 0.9));
    lines(outline({{goalLine, centreY - 5},
                   {goalLine - inward * 2.5, centreY - 5},
                   {goalLine - inward * 2.5, centreY + 5},
                   {goalLine, centreY + 5}},
                  half));
  }
  return canvas;
}

// ---------------------------------------------------------------- the screens' pictures

// A football: white with dark patches.
void drawBall(Canvas& canvas, double cx, double cy, double r) {
  canvas.fill(cx - r, cy - r, cx + r, cy + r, circle(cx, cy, r), kWhite);
  const auto ball = circle(cx, cy, r);
  canvas.fill(cx - r, cy - r, cx + r, cy + r, polygon(pentagonPoints(cx, cy, r * 0.36)), kInk);
  for (int k = 0; k < 10; k += 2) {
    const double px = cx + r * 0.98 * kUnitX[k], py = cy + r * 0.98 * kUnitY[k];
    const auto patch = polygon(pentagonPoints(px, py, r * 0.32, true));
    canvas.fill(
        cx - r, cy - r, cx + r, cy + r, [&](double x, double y) { return ball(x, y) && patch(x, y); }, kInk);
  }
  canvas.fill(cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1, ring(cx, cy, r, r * 0.04), kInk);
}

// The hub's background: a stadium under floodlights.
// The hub's and the match screen's backdrop. White text stands on its upper
// half (the club news, the minute), so the sky there is plain and dark, with
// no lamp behind any line; the stands and the pitch fill the lower part.
Canvas drawBackground() {
  constexpr int w = 1067, h = 707;
  const double horizon = 300, standsEnd = 410;
  Canvas canvas(w, h);
  canvas.shade([&](int x, int y) {
    Paint p;
    if (y < horizon) {
      p = mix(Paint{6, 10, 28}, Paint{22, 34, 62}, y / horizon);
    } else if (y < standsEnd) {
      // Stands: rows of spectators as coloured specks.
      const double row = (y - horizon) / (standsEnd - horizon);
      const double speck = pixelNoise(x / 3, y / 3, 11);
      p = mix(Paint{28, 30, 40}, Paint{46, 48, 60}, row);
      if (speck > 0.55) p = mix(p, Paint{150 + 100 * speck, 110 + 80 * pixelNoise(x / 3, y / 3, 12), 90}, 0.35);
      if ((y - static_cast<int>(horizon)) % 22 < 2) p = scaled(p, 0.6);
    } else {
      // The pitch in perspective, mown in stripes that meet at the far end.
      const double depth = (y - standsEnd) / (h - standsEnd);
      const double across = (x - w / 2.0) / (0.35 + 0.65 * depth);
      const bool band = static_cast<int>(std::floor(across / 70)) % 2 == 0;
      p = scaled(Paint{30, 120, 44}, (band ? 1.08 : 0.94) * (0.75 + 0.35 * depth));
    }
    return p;
  });
  // The stand roof's edge catches the light the pitch gives off.
  canvas.fill(rectangle(0, horizon - 3, w, horizon), Paint{70, 74, 88}, 2);
  // Touchlines, halfway line and centre circle.
  const Paint line = withAlpha(kWhite, 0.85);
  const double nearY = h - 10, farY = standsEnd + 14;
  canvas.fill(segment(w / 2.0 - 260, farY, 40, nearY, 1.6), line, 3);
  canvas.fill(segment(w / 2.0 + 260, farY, w - 40, nearY, 1.6), line, 3);
  canvas.fill(segment(w / 2.0 - 260, farY, w / 2.0 + 260, farY, 1.4), line, 3);
  canvas.fill(segment(w / 2.0, farY, w / 2.0, nearY, 1.6), line, 3);
  canvas.fill(
      w / 2.0 - 150, 500, w / 2.0 + 150, 640,
      [&](double x, double y) {
        const double v = (x - w / 2.0) * (x - w / 2.0) / (130.0 * 130.0) + (y - 570) * (y - 570) / (52.0 * 52.0);
        return v <= 1.0 && v >= 0.94;
      },
      line, 3);
  return canvas;
}

// The start-up screen's picture: a shield with a ball under three stars.
Canvas drawSplash() {
  constexpr int w = 400, h = 300;
  Canvas canvas(w, h);
  canvas.shade([&](int x, int y) {
    const double d = ((x - 200.0) * (x - 200.0) + (y - 150.0) * (y - 150.0)) / (260.0 * 260.0);
    return mix(Paint{22, 96, 48}, Paint{4, 20, 10}, std::min(1.0, d));
  });
  const Paint gold{232, 184, 56};
  auto placed = [](double scale, double dx, double dy) {
    std::vector<Point> points = shieldPoints(64, 1.0);
    for (Point& p : points) p = {dx + p.x * scale, dy + p.y * scale};
    return points;
  };
  canvas.fill(polygon(placed(3.6, 85, 40)), gold);
  canvas.fill(polygon(placed(3.25, 96, 51)), Paint{16, 40, 96});
  drawBall(canvas, 200, 150, 52);
  for (int i = -1; i <= 1; ++i) canvas.fill(polygon(starPoints(200 + i * 40, 28 - (i == 0 ? 6 : 0), 13, 5.2)), gold);
  return canvas;
}

// The hub's fixed picture: a trophy.
Canvas drawTrophy() {
  constexpr int w = 180, h = 120;
  Canvas canvas(w, h);
  canvas.shade([&](int, int y) { return mix(Paint{20, 34, 80}, Paint{6, 10, 30}, y / static_cast<double>(h)); });
  const Paint gold{226, 178, 52}, shine{255, 236, 160};
  canvas.fill(ring(64, 38, 13, 3.5), gold);
  canvas.fill(ring(116, 38, 13, 3.5), gold);
  canvas.fill(rectangle(60, 18, 120, 26), gold);
  canvas.fill(
      [](double x, double y) {
        return y >= 22 && (x - 90) * (x - 90) / (30.0 * 30.0) + (y - 22) * (y - 22) / (44.0 * 44.0) <= 1;
      },
      gold);
  canvas.fill(rectangle(85, 64, 95, 90), gold);
  canvas.fill(polygon({{70, 102}, {110, 102}, {104, 90}, {76, 90}}), gold);
  canvas.fill(rectangle(64, 102, 116, 110), Paint{90, 60, 30});
  canvas.fill(ellipse(76, 36, 4, 12), withAlpha(shine, 0.8));
  canvas.fill(polygon(starPoints(26, 22, 7, 2.8)), withAlpha(shine, 0.7));
  canvas.fill(polygon(starPoints(154, 22, 7, 2.8)), withAlpha(shine, 0.7));
  return canvas;
}

// The new-game screen's country buttons: an emblem for each country.
Canvas drawCountry(const std::string& country) {
  constexpr int w = 64, h = 40;
  Canvas canvas(w, h);
  if (country == "usa") {
    canvas.fill(rectangle(0, 0, w, h), Paint{20, 36, 100});
    canvas.fill(rectangle(0, 28, w, 31), Paint{200, 24, 40});
    canvas.fill(rectangle(0, 33, w, 36), Paint{200, 24, 40});
    canvas.fill(polygon(starPoints(32, 14, 10, 4)), kWhite);
  } else if (country == "england") {
    canvas.fill(rectangle(0, 0, w, h), Paint{240, 240, 236});
    for (int k = 0; k < 10; k += 2)
      canvas.fill(circle(32 + 8 * kUnitX[k], 20 + 8 * kUnitY[k], 6.5), Paint{196, 20, 40});
    canvas.fill(circle(32, 20, 5), Paint{150, 10, 30});
    canvas.fill(circle(32, 20, 2.5), Paint{240, 200, 40});
  } else if (country == "australia") {
    canvas.fill(rectangle(0, 0, w, 26), Paint{30, 90, 170});
    canvas.fill(rectangle(0, 26, w, h), Paint{190, 96, 40});
    canvas.fill(circle(44, 26, 9), Paint{250, 200, 40});
    canvas.fill(rectangle(0, 26, w, h), Paint{190, 96, 40});
    for (int k = 0; k < 4; ++k) canvas.fill(polygon(starPoints(10 + k * 6.0, 7 + (k % 2) * 6.0, 3, 1.2)), kWhite);
  } else if (country == "germany") {
    canvas.fill(rectangle(0, 0, w, h), Paint{240, 196, 20});
    canvas.fill([](double x, double y) { return x + y * 1.2 < 40; }, Paint{20, 20, 20});
    canvas.fill([](double x, double y) { return x + y * 1.2 >= 40 && x + y * 1.2 < 66; }, Paint{200, 20, 24});
    canvas.fill(circle(46, 26, 6), Paint{20, 20, 20});
  } else if (country == "scotland") {
    canvas.fill(rectangle(0, 0, w, h), Paint{20, 70, 150});
    canvas.fill(segment(32, 22, 32, 38, 1.5), Paint{40, 140, 60});
    canvas.fill(polygon({{24, 20}, {40, 20}, {32, 30}}), Paint{40, 140, 60});
    canvas.fill(circle(32, 14, 7), Paint{150, 60, 170});
    for (int i = -2; i <= 2; ++i) canvas.fill(segment(32, 12, 32 + i * 3.5, 3, 0.9), Paint{190, 110, 210});
  } else {  // mexico: a cactus in the desert
    canvas.shade([](int, int y) {
      return y < 28 ? mix(Paint{90, 170, 230}, Paint{200, 226, 240}, y / 28.0) : Paint{222, 180, 110};
    });
    const Paint cactus{40, 130, 60};
    canvas.fill([](double x, double y) { return std::abs(x - 32) <= 3.5 && y >= 8 && y <= 34; }, cactus);
    canvas.fill(circle(32, 8, 3.5), cactus);
    canvas.fill([](double x, double y) { return x >= 22 && x <= 29 && y >= 20 && y <= 23.5; }, cactus);
    canvas.fill([](double x, double y) { return x >= 22 && x <= 25.5 && y >= 12 && y <= 23.5; }, cactus);
    canvas.fill(circle(23.75, 12, 1.75), cactus);
    canvas.fill([](double x, double y) { return x >= 35 && x <= 42 && y >= 17 && y <= 20.5; }, cactus);
    canvas.fill([](double x, double y) { return x >= 38.5 && x <= 42 && y >= 10 && y <= 20.5; }, cactus);
    canvas.fill(circle(40.25, 10, 1.75), cactus);
    canvas.fill(circle(52, 9, 5), Paint{250, 210, 60});
  }
  canvas.fill(outline({{0.5, 0.5}, {w - 0.5, 0.5}, {w - 0.5, h - 0.5}, {0.5, h - 0.5}}, 0.5), Paint{60, 60, 60});
  return canvas;
}

void drawPerson(Canvas& canvas, double cx, double top, double size, const Paint& paint) {
  canvas.fill(circle(cx, top + size * 0.22, size * 0.2), paint);
  canvas.fill(ellipse(cx, top + size * 0.85, size * 0.38, size * 0.42), paint);
}

// The hub's picture buttons.
Canvas drawButton(const std::string& kind) {
  Canvas canvas(48, 48);
  const Paint navy{24, 44, 110}, red{196, 32, 40}, green{30, 130, 60}, gold{226, 170, 40}, grey{90, 90, 96};
  if (kind == "squad") {
    drawPerson(canvas, 13, 10, 22, withAlpha(navy, 0.75));
    drawPerson(canvas, 35, 10, 22, withAlpha(navy, 0.75));
    drawPerson(canvas, 24, 6, 28, navy);
  } else if (kind == "tactics") {
    canvas.fill(rectangle(4, 6, 44, 42), green);
    canvas.fill(outline({{6, 8}, {42, 8}, {42, 40}, {6, 40}}, 0.7), kWhite);
    canvas.fill(segment(10, 14, 18, 22, 1.3), kWhite);
    canvas.fill(segment(18, 14, 10, 22, 1.3), kWhite);
    canvas.fill(ring(33, 30, 4.5, 1.3), kWhite);
    canvas.fill(segment(17, 28, 28, 30, 1.1), gold);
    canvas.fill(polygon({{28, 27}, {32, 30.5}, {27.5, 33}}), gold);
  } else if (kind == "reserves") {
    canvas.fill(rectangle(4, 34, 44, 38), Paint{120, 80, 40});
    canvas.fill(rectangle(7, 38, 10, 46), Paint{120, 80, 40});
    canvas.fill(rectangle(38, 38, 41, 46), Paint{120, 80, 40});
    drawPerson(canvas, 16, 10, 22, grey);
    drawPerson(canvas, 32, 10, 22, grey);
  } else if (kind == "portal") {
    canvas.fill(circle(24, 24, 19), Paint{40, 110, 200});
    canvas.fill(polygon({{14, 12}, {24, 9}, {27, 20}, {18, 26}, {12, 20}}), green);
    canvas.fill(polygon({{28, 28}, {37, 24}, {38, 36}, {30, 40}}), green);
    canvas.fill(ring(24, 24, 19, 1.2), navy);
    canvas.fill(
        [](double x, double y) {
          const double v = (x - 24) * (x - 24) / 64.0 + (y - 24) * (y - 24) / 361.0;
          return v <= 1.0 && v >= 0.82;
        },
        withAlpha(kWhite, 0.8));
    canvas.fill(segment(5, 24, 43, 24, 0.8), withAlpha(kWhite, 0.8));
  } else if (kind == "scouting") {
    canvas.fill(ring(20, 20, 12, 3), grey);
    canvas.fill(circle(20, 20, 10), Paint{190, 220, 250, 0.6});
    canvas.fill(segment(29, 29, 42, 42, 3.5), Paint{110, 70, 40});
  } else if (kind == "chairman") {
    canvas.fill(ring(24, 14, 6, 1.8), Paint{70, 40, 20});
    canvas.fill(rectangle(6, 16, 42, 40), Paint{120, 72, 36});
    canvas.fill(rectangle(6, 25, 42, 27), Paint{80, 46, 22});
    canvas.fill(rectangle(21, 23, 27, 29), gold);
  } else if (kind == "training") {
    canvas.fill(polygon({{17, 6}, {29, 6}, {38, 40}, {8, 40}}), Paint{240, 120, 20});
    canvas.fill(polygon({{14.6, 15}, {31.4, 15}, {33, 21}, {13, 21}}), kWhite);
    canvas.fill(polygon({{12, 28}, {34, 28}, {35.5, 33}, {10.5, 33}}), kWhite);
    canvas.fill(rectangle(4, 40, 42, 44), Paint{200, 96, 16});
    drawBall(canvas, 39, 38, 7);
  } else if (kind == "club page") {
    canvas.fill(polygon({{24, 5}, {44, 22}, {4, 22}}), red);
    canvas.fill(rectangle(9, 22, 39, 43), Paint{230, 220, 200});
    canvas.fill(rectangle(20, 30, 28, 43), Paint{110, 70, 40});
    canvas.fill(rectangle(12, 26, 18, 32), Paint{120, 180, 230});
    canvas.fill(rectangle(30, 26, 36, 32), Paint{120, 180, 230});
  } else {  // continue
    canvas.fill(polygon({{6, 8}, {25, 24}, {6, 40}}), green);
    canvas.fill(polygon({{23, 8}, {42, 24}, {23, 40}}), green);
  }
  return canvas;
}

// The locker room's tactics board: a chalk plan of a move on green baize.
Canvas drawTacticsBoard() {
  constexpr int w = 97, h = 129;
  Canvas canvas(w, h);
  const Paint frame{92, 60, 30}, baize{32, 64, 32}, chalk = withAlpha(kWhite, 0.85), gold{226, 190, 80};
  canvas.fill(rectangle(0, 0, w, h), frame);
  canvas.fill(rectangle(5, 5, w - 5, h - 5), baize);
  canvas.fill(outline({{10, 10}, {w - 10.0, 10}, {w - 10.0, h - 10.0}, {10, h - 10.0}}, 0.6), chalk);
  canvas.fill(segment(10, h / 2.0, w - 10.0, h / 2.0, 0.6), chalk);
  canvas.fill(ring(w / 2.0, h / 2.0, 11, 0.6), chalk);
  for (const Point& o : {Point{28, 92}, Point{48, 100}, Point{68, 92}, Point{48, 76}}) {
    canvas.fill(ring(o.x, o.y, 4, 1), chalk);
  }
  for (const Point& x : {Point{30, 36}, Point{66, 36}, Point{48, 48}}) {
    canvas.fill(segment(x.x - 4, x.y - 4, x.x + 4, x.y + 4, 1), chalk);
    canvas.fill(segment(x.x + 4, x.y - 4, x.x - 4, x.y + 4, 1), chalk);
  }
  canvas.fill(segment(48, 72, 60, 52, 1.1), gold);
  canvas.fill(polygon({{56, 52}, {63, 47}, {63, 56}}), gold);
  return canvas;
}

// The locker room's other decoration: a shirt on its peg above a bench.
Canvas drawLocker() {
  constexpr int w = 97, h = 138;
  Canvas canvas(w, h);
  const Paint wall{58, 62, 70}, wood{120, 80, 40}, shirt{196, 32, 40}, peg{200, 200, 190};
  canvas.fill(rectangle(0, 0, w, h), wall);
  canvas.fill(rectangle(6, 6, w - 6, h - 30), Paint{72, 78, 88});
  canvas.fill(circle(w / 2.0, 18, 3), peg);
  canvas.fill(
      polygon({{30, 26}, {67, 26}, {86, 44}, {76, 54}, {70, 48}, {70, 96}, {27, 96}, {27, 48}, {21, 54}, {11, 44}}),
      shirt);
  canvas.fill(polygon({{41, 26}, {56, 26}, {48.5, 34}}), wall);
  canvas.fill(rectangle(42, 52, 55, 70), withAlpha(kWhite, 0.9));
  canvas.fill(rectangle(0, h - 30, w, h - 22), wood);
  canvas.fill(rectangle(8, h - 22, 14, h), wood);
  canvas.fill(rectangle(w - 14.0, h - 22, w - 8.0, h), wood);
  return canvas;
}

}  // namespace

void writePictures(const World& world, const std::filesystem::path& folder) {
  for (int c = 1; c <= kClubCount; ++c) save(drawBadge(world.clubs[c].badge), folder, world.clubs[c].logo);
  for (const ExpansionClub& record : world.expansion) {
    save(drawBadge(record.badge), folder, record.logo);
    if (record.movedClub != 0) save(drawBadge(record.movedBadge), folder, record.movedLogo);
  }
  for (const Nation& nation : world.nations) save(drawFlag(nation), folder, nation.flagFile);
  for (int p = 1; p <= 8; ++p) save(drawPitch(p), folder, "pitch " + std::to_string(p) + ".jpg");
  save(drawBackground(), folder, kBackgroundPicture);
  save(drawSplash(), folder, "splash.jpg");
  save(drawTrophy(), folder, "hub.jpg");
  save(drawTacticsBoard(), folder, "tactics board.png");
  save(drawLocker(), folder, "locker.png");
  for (const char* country : {"usa", "england", "australia", "germany", "scotland", "mexico"}) {
    save(drawCountry(country), folder, std::string("country ") + country + ".png");
  }
  for (const char* button :
       {"squad", "tactics", "reserves", "portal", "scouting", "chairman", "training", "club page", "continue"}) {
    save(drawButton(button), folder, std::string("button ") + button + ".png");
  }
}

}  // namespace kervale::worldgen
