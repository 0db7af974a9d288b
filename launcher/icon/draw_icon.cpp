// Draws the game's icon and writes it as a Windows icon file with one 128x128 and one 32x32 image,
// both 32 bits per pixel with an alpha channel. The picture is described by shapes, so each size is
// drawn at its own resolution rather than scaled from the other.
//
// Usage: draw_icon OUTPUT.ico
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Point {
  double x, y;
};

struct Colour {
  double r, g, b, a;  // straight alpha, each 0 to 1
};

Colour over(const Colour& top, const Colour& bottom) {
  const double a = top.a + bottom.a * (1 - top.a);
  if (a == 0) return {0, 0, 0, 0};
  const auto mix = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
  return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), a};
}

bool insideRoundedSquare(Point p, double inset, double radius) {
  const double low = inset + radius, high = 1 - inset - radius;
  const double dx = p.x < low ? low - p.x : (p.x > high ? p.x - high : 0);
  const double dy = p.y < low ? low - p.y : (p.y > high ? p.y - high : 0);
  return dx * dx + dy * dy <= radius * radius && p.x >= inset && p.x <= 1 - inset && p.y >= inset &&
         p.y <= 1 - inset;
}

bool insidePolygon(Point p, const std::vector<Point>& corners) {
  bool inside = false;
  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const Point& a = corners[i];
    const Point& b = corners[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

// The letter Z, bold enough to read at 32 pixels.
bool insideLetter(Point p) {
  const double left = 0.25, right = 0.75, top = 0.24, bottom = 0.76, bar = 0.13, stroke = 0.17;
  if (p.x >= left && p.x <= right && p.y >= top && p.y <= top + bar) return true;
  if (p.x >= left && p.x <= right && p.y >= bottom - bar && p.y <= bottom) return true;
  return insidePolygon(p, {{right - stroke, top + bar}, {right, top + bar}, {left + stroke, bottom - bar},
                           {left, bottom - bar}});
}

// The colour of one point of the picture, (0,0) at the top left and (1,1) at the bottom right.
Colour colourAt(Point p) {
  Colour result{0, 0, 0, 0};
  if (insideRoundedSquare(p, 0.03, 0.2)) {
    const double t = p.y;
    result = {0.10 + 0.02 * t, 0.20 + 0.42 * t, 0.55 + 0.05 * t, 1};
    const double glowX = p.x - 0.72, glowY = p.y - 0.22;
    const double glow = std::exp(-(glowX * glowX + glowY * glowY) / 0.03);
    result = over({1.0, 0.62, 0.18, 0.7 * glow}, result);
  }
  if (insideLetter({p.x - 0.02, p.y - 0.02})) result = over({0.05, 0.1, 0.2, 0.5}, result);  // its shadow
  if (insideLetter(p)) result = over({0.98, 0.97, 0.92, 1}, result);
  return result;
}

struct Image {
  int size;
  std::vector<std::uint8_t> bgra;  // top row first
};

Image draw(int size) {
  constexpr int kSamples = 4;  // per axis, for smooth edges
  Image image{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Colour c = colourAt({(x + (sx + 0.5) / kSamples) / size, (y + (sy + 0.5) / kSamples) / size});
          r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
        }
      }
      const auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::fmin(1, std::fmax(0, v)) * 255)); };
      std::uint8_t* pixel = &image.bgra[(static_cast<std::size_t>(y) * size + x) * 4];
      pixel[0] = byte(a > 0 ? b / a : 0);
      pixel[1] = byte(a > 0 ? g / a : 0);
      pixel[2] = byte(a > 0 ? r / a : 0);
      pixel[3] = byte(a / (kSamples * kSamples));
    }
  }
  return image;
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8 & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// One image of an icon file: a bitmap header of twice the height (colour rows, then mask rows),
// the colour rows bottom up, then the one-bit mask that older systems draw with.
std::vector<std::uint8_t> iconImage(const Image& image) {
  const int size = image.size;
  const int maskStride = (size + 31) / 32 * 4;
  std::vector<std::uint8_t> out;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(size));
  put32(out, static_cast<std::uint32_t>(size * 2));
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, 0);   // uncompressed
  put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    const auto row = image.bgra.begin() + static_cast<std::ptrdiff_t>(y) * size * 4;
    out.insert(out.end(), row, row + size * 4);
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> maskRow(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x) {
      if (image.bgra[(static_cast<std::size_t>(y) * size + x) * 4 + 3] == 0) maskRow[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), maskRow.begin(), maskRow.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
    return 2;
  }
  const int sizes[] = {128, 32};
  std::vector<std::vector<std::uint8_t>> images;
  for (const int size : sizes) images.push_back(iconImage(draw(size)));

  std::vector<std::uint8_t> file;
  put16(file, 0);  // reserved
  put16(file, 1);  // an icon, not a cursor
  put16(file, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);
    put16(file, 1);
    put16(file, 32);
    put32(file, static_cast<std::uint32_t>(images[i].size()));
    put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  std::FILE* const out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
