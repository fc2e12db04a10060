#include "flight/sky/daylight_pictures.h"

#include <algorithm>
#include <cmath>

#include "common/position_hash.h"
#include "flight/sky/sky_geometry.h"

namespace altostrat {
namespace {

constexpr double kPi = 3.14159265358979323846;
// The glow's bearing in the sky sphere's frame: x and z.
constexpr double kGlowBearingX = kGlowX;
constexpr double kGlowBearingZ = kGlowZ;
// The height above the horizon, in degrees, at which the sky has its overhead colour.
constexpr double kZenithDegrees = 30.0;
// The stars: how many there are in the sky around, and the heights they lie between.
constexpr int kStarCount = 900;
constexpr double kLowestStarDegrees = 1.0;
constexpr double kHighestStarDegrees = 40.0;

struct Point {
    double x, y, z;
};

// The quadric's sphere point at slice i and stack j of kSkyDivisions, unit radius: stack 0 is
// its +z pole, and the texture coordinates there are s = i / divisions, t = 1 - j / divisions.
Point SpherePoint(int i, int j) {
    const double theta = 2.0 * kPi * i / kSkyDivisions;
    const double rho = kPi * j / kSkyDivisions;
    return {-std::sin(theta) * std::sin(rho), std::cos(theta) * std::sin(rho), std::cos(rho)};
}

// Where the texture coordinate (s, t) lies on the drawn sphere. The sphere is drawn as flat
// four-sided facets between its slices and stacks, each as two triangles split along the
// diagonal from its first corner (slice i, stack j) to the opposite one, and the coordinates
// run linearly across each triangle. Near the camera the facets lie hundreds of units inside
// the round sphere, so the sky's heights must be measured on them: bands of equal height made
// this way lie level on the screen at every heading, those measured on the round sphere do not.
Point FacetPoint(double s, double t) {
    const double across = s * kSkyDivisions;
    const double down = (1.0 - t) * kSkyDivisions;
    const int i = std::clamp(static_cast<int>(across), 0, kSkyDivisions - 1);
    const int j = std::clamp(static_cast<int>(down), 0, kSkyDivisions - 1);
    const double u = across - i;
    const double v = down - j;
    const Point p00 = SpherePoint(i, j), p10 = SpherePoint(i + 1, j);
    const Point p01 = SpherePoint(i, j + 1), p11 = SpherePoint(i + 1, j + 1);
    const auto mix = [](const Point& o, const Point& p, double a, const Point& q, double b) {
        return Point{o.x + (p.x - o.x) * a + (q.x - o.x) * b,
                     o.y + (p.y - o.y) * a + (q.y - o.y) * b,
                     o.z + (p.z - o.z) * a + (q.z - o.z) * b};
    };
    if (u >= v) {
        return mix(p00, p10, u - v, p11, v);
    }
    return mix(p00, p01, v - u, p11, u);
}

// Turned a quarter round the axis (1, 0, 1), as the sphere is drawn.
Point Turned(const Point& p) {
    const double half = std::sqrt(0.5);
    return {-p.y * half + (p.x + p.z) * 0.5, (p.x - p.z) * half, p.y * half + (p.x + p.z) * 0.5};
}

// 0 to 1 from a hash.
double Unit(std::uint32_t h) {
    return (h & 0xFFFFFFu) / double(0xFFFFFF);
}

}  // namespace

SkyTexels MakeSkyTexels(int size) {
    SkyTexels texels;
    texels.size = size;
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    texels.height.resize(count);
    texels.sunward.resize(count);
    const double glowLength = std::hypot(kGlowBearingX, kGlowBearingZ);
    for (int row = 0; row < size; ++row) {
        const double t = (row + 0.5) / size;
        for (int column = 0; column < size; ++column) {
            const double s = (column + 0.5) / size;
            const Point p = Turned(FacetPoint(s, t));
            // Seen from the camera near the sphere's top.
            const double ax = kSkyRadius * p.x;
            const double ay = kSkyRadius * p.y - kSkyCentreBelowEye;
            const double az = kSkyRadius * p.z;
            const double across = std::hypot(ax, az);
            const double degrees = std::atan2(ay, across) * 180.0 / kPi;
            const double height = std::clamp(degrees / kZenithDegrees, 0.0, 1.0);
            const double towardsGlow =
                across > 0.0 ? (ax * kGlowBearingX + az * kGlowBearingZ) / (across * glowLength)
                             : 0.0;
            const double lobe = std::pow((1.0 + towardsGlow) * 0.5, 4.0);
            const std::size_t i = static_cast<std::size_t>(row) * size + column;
            // The gradient runs quicker near the horizon, as a clear sky's does.
            texels.height[i] = static_cast<float>(std::sqrt(height));
            texels.sunward[i] = static_cast<float>((1.0 - height) * (1.0 - height) * lobe);
        }
    }
    return texels;
}

RgbImage MakeSkyPicture(const SkyTexels& texels, const DaylightColours& colours) {
    RgbImage picture;
    picture.width = texels.size;
    picture.height = texels.size;
    picture.pixels.resize(texels.height.size() * 3);
    const DaylightColour& low = colours.skyHorizon;
    const DaylightColour& high = colours.skyZenith;
    const DaylightColour& sun = colours.skySunward;
    for (std::size_t i = 0; i < texels.height.size(); ++i) {
        const float up = texels.height[i];
        const float sunward = texels.sunward[i];
        const auto channel = [&](float l, float h, float s) {
            const float sky = l + (h - l) * up;
            const float value = sky + (s - sky) * sunward;
            return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
        };
        std::uint8_t* p = &picture.pixels[i * 3];
        p[0] = channel(low.r, high.r, sun.r);
        p[1] = channel(low.g, high.g, sun.g);
        p[2] = channel(low.b, high.b, sun.b);
    }
    return picture;
}

std::vector<SkyStar> MakeStars() {
    std::vector<SkyStar> stars;
    stars.reserve(kStarCount);
    const double lowest = std::sin(kLowestStarDegrees * kPi / 180.0);
    const double highest = std::sin(kHighestStarDegrees * kPi / 180.0);
    for (int n = 0; n < kStarCount; ++n) {
        const auto index = static_cast<std::uint32_t>(n);
        // Evenly over the band of sky: the sine of the height is spread evenly.
        const double up = lowest + (highest - lowest) * Unit(PositionHash(index, 1, 1));
        const double bearing = 2.0 * kPi * Unit(PositionHash(index, 2, 1));
        const double flat = std::sqrt(1.0 - up * up);
        SkyStar star;
        star.x = static_cast<float>(flat * std::sin(bearing));
        star.y = static_cast<float>(up);
        star.z = static_cast<float>(-flat * std::cos(bearing));
        // Many faint stars and a few bright ones; fainter low down, through more air.
        const double brightness = std::pow(Unit(PositionHash(index, 3, 1)), 2.5);
        const double degrees = std::asin(up) * 180.0 / kPi;
        const double clearance = std::min(1.0, (degrees - kLowestStarDegrees) / 7.0);
        star.brightness = static_cast<float>((0.25 + 0.75 * brightness) * clearance);
        // A little bluer or yellower than white.
        star.warmth = static_cast<float>(Unit(PositionHash(index, 4, 1)) - 0.5);
        stars.push_back(star);
    }
    return stars;
}

RgbImage MakeGlowPicture(const DaylightColours& colours) {
    // The sun: grey 160 at the point (126.5, 126.5) from the top-left corner, falling linearly to
    // 0 at a radius of 115. The moon: a disc of radius 40 with a soft rim, in a faint halo.
    constexpr int kSize = 256;
    constexpr double kCentre = 126.5;
    constexpr double kRadius = 115.0;
    constexpr double kPeak = 160.0;
    constexpr double kMoonRadius = 40.0;
    constexpr double kMoonRim = 2.5;
    constexpr double kMoonGrey = 240.0;
    constexpr double kHaloGrey = 70.0;
    const double moon = colours.moon;
    RgbImage picture;
    picture.width = kSize;
    picture.height = kSize;
    picture.pixels.resize(kSize * kSize * 3);
    for (int row = 0; row < kSize; ++row) {
        const int top = kSize - 1 - row;  // rows run bottom first
        for (int x = 0; x < kSize; ++x) {
            const double distance = std::hypot(x - kCentre, top - kCentre);
            const double cone = distance >= kRadius ? 0.0 : kPeak * (1.0 - distance / kRadius);
            const double fall = distance >= kRadius ? 0.0 : 1.0 - distance / kRadius;
            const double disc = std::clamp((kMoonRadius - distance) / kMoonRim + 0.5, 0.0, 1.0);
            const double halo = kHaloGrey * fall * fall;
            const double moonGrey = halo + (kMoonGrey - halo) * disc;
            const double level = (1.0 - moon) * cone + moon * moonGrey;
            const std::uint8_t grey = static_cast<std::uint8_t>(std::lround(level));
            std::uint8_t* p = &picture.pixels[(static_cast<std::size_t>(row) * kSize + x) * 3];
            p[0] = p[1] = p[2] = grey;
        }
    }
    return picture;
}

}  // namespace altostrat
