#include "image.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace scenegen {

Image::Image(int w, int h, int c)
    : width(w), height(h), channels(c), data(static_cast<std::size_t>(w) * h * c, 0.0f) {}

void Image::set(int x, int y, const glm::vec3& rgb) {
    float* p = at(x, y);
    p[0] = rgb.r;
    p[1] = rgb.g;
    p[2] = rgb.b;
}

glm::vec3 Image::rgb(int x, int y) const {
    const float* p = at(x, y);
    return {p[0], p[1], p[2]};
}

glm::vec3 Image::sample(glm::vec2 uv) const {
    if (!std::isfinite(uv.x) || !std::isfinite(uv.y)) {
        return rgb(0, 0);
    }
    uv -= glm::floor(uv);
    const float fx = uv.x * width - 0.5f;
    const float fy = (1.0f - uv.y) * height - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const float tx = fx - x0, ty = fy - y0;
    auto texel = [&](int x, int y) {
        x = ((x % width) + width) % width;
        y = ((y % height) + height) % height;
        return rgb(x, y);
    };
    return glm::mix(glm::mix(texel(x0, y0), texel(x0 + 1, y0), tx),
                    glm::mix(texel(x0, y0 + 1), texel(x0 + 1, y0 + 1), tx), ty);
}

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void chunk(std::vector<std::uint8_t>& out, const char* type,
           const std::vector<std::uint8_t>& body) {
    put32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    put32(out, static_cast<std::uint32_t>(crc));
}

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) |
           (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Image& image) {
    const std::size_t stride = static_cast<std::size_t>(image.width) * image.channels;
    std::vector<std::uint8_t> raw;
    raw.reserve((stride + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // no row filter
        for (std::size_t i = 0; i < stride; ++i) {
            raw.push_back(toByte(image.data[y * stride + i]));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(packedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> ihdr;
    put32(ihdr, static_cast<std::uint32_t>(image.width));
    put32(ihdr, static_cast<std::uint32_t>(image.height));
    ihdr.insert(ihdr.end(), {8, static_cast<std::uint8_t>(image.channels == 4 ? 6 : 2), 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    return png;
}

Image decodePng(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 33) {
        throw std::runtime_error("not a PNG");
    }
    const int width = static_cast<int>(get32(bytes, 16)),
              height = static_cast<int>(get32(bytes, 20));
    const int channels = bytes[25] == 6 ? 4 : 3;
    std::vector<std::uint8_t> packed;
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const std::uint32_t length = get32(bytes, at);
        if (std::equal(bytes.begin() + at + 4, bytes.begin() + at + 8, "IDAT")) {
            packed.insert(packed.end(), bytes.begin() + at + 8, bytes.begin() + at + 8 + length);
        }
        at += 12 + length;
    }
    const std::size_t stride = static_cast<std::size_t>(width) * channels;
    std::vector<std::uint8_t> raw((stride + 1) * height);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) !=
        Z_OK) {
        throw std::runtime_error("broken PNG data");
    }
    Image image(width, height, channels);
    std::vector<int> previous(stride, 0), row(stride);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t filter = raw[y * (stride + 1)];
        for (std::size_t i = 0; i < stride; ++i) {
            const int x = raw[y * (stride + 1) + 1 + i];
            const int a = i >= std::size_t(channels) ? row[i - channels] : 0;
            const int b = previous[i], c = i >= std::size_t(channels) ? previous[i - channels] : 0;
            const int predictor[5] = {0, a, b, (a + b) / 2, paeth(a, b, c)};
            row[i] = (x + predictor[filter < 5 ? filter : 0]) & 0xff;
            image.data[y * stride + i] = row[i] / 255.0f;
        }
        previous = row;
    }
    return image;
}

}  // namespace scenegen
