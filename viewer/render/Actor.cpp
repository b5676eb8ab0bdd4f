#include "viewer/render/Actor.h"
#include "viewer/render/RenderMessages.h"

#include "viewer/render/LineScanner.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <numbers>
#include <sstream>

namespace tarn {

namespace {

constexpr double kUnsetBound = 2147483647.0;
constexpr int kSlices = 20;
constexpr int kSphereStacks = 20;
constexpr int kCylinderStacks = 10;

std::string Upper(std::string_view text)
{
    std::string result(text);
    for (auto& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool Contains(std::string_view line, std::string_view word) { return line.find(word) != std::string_view::npos; }

// Everything from the first "//" on becomes blanks.
std::string WithoutComment(std::string line)
{
    const auto comment = line.find("//");
    if (comment != std::string::npos)
        std::fill(line.begin() + static_cast<std::ptrdiff_t>(comment), line.end(), ' ');
    return line;
}

// A colour channel: blanks count as the digit 0, the value is kept in 0..1.
float Channel(std::string text)
{
    std::replace(text.begin(), text.end(), ' ', '0');
    return static_cast<float>(std::clamp(ReadReal(text), 0.0, 1.0));
}

std::array<double, 3> ReadVector(TLineScanner& scanner)
{
    scanner.NextToken('<');
    const double x = ReadReal(scanner.NextToken(','));
    const double y = ReadReal(scanner.NextToken(','));
    const double z = ReadReal(scanner.NextToken('>'));
    return {x, y, z};
}

// Skips past the next comma and reads the radius that follows up to a blank.
double ReadRadius(TLineScanner& scanner)
{
    scanner.NextToken(',');
    return ReadReal(scanner.NextToken(' '));
}

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

}  // namespace

std::array<double, 2> QuadricTurn(const std::array<double, 3>& d)
{
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const double l = std::sqrt(d[1] * d[1] + d[2] * d[2]);
    // Turning about x by -acos(dz / l) lifts the z axis into the y-z plane
    // upwards; a downward axis (dy < 0) needs the opposite turn.
    double rx = l > 0 ? -Degrees(std::acos(std::clamp(d[2] / l, -1.0, 1.0))) : 0;
    if (d[1] < 0)
        rx = -rx;
    const double ry = length > 0 ? Degrees(std::asin(std::clamp(d[0] / length, -1.0, 1.0))) : 0;
    return {rx, ry};
}

TActor::TActor() : quadric_(gluNewQuadric()) {}

TActor::~TActor()
{
    if (quadric_)
        gluDeleteQuadric(quadric_);
}

bool TActor::LoadFromFile(const std::filesystem::path& file)
{
    if (!primitives_.empty())
        return false;
    // A folder opens like a file on some systems and reads as nothing.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return false;
    if (std::filesystem::file_size(file, error) > kMaxFileBytes || error) {
        messages_.emplace_back(msg::ActorFileTooLarge);
        return false;
    }
    std::ifstream in(file);
    if (!in)
        return false;
    std::stringstream text;
    text << in.rdbuf();
    return LoadFromText(text.str());
}

bool TActor::LoadFromText(std::string_view text)
{
    if (!primitives_.empty())
        return false;
    std::istringstream lines{std::string(text)};
    std::string raw;
    while (std::getline(lines, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string line = WithoutComment(raw);
        if (Contains(line, "#declare") && Contains(line, "color"))
            DeclareColour(line);
        else if (Contains(line, "#declare") && Contains(line, "size"))
            DeclareSize(line);
        else if (Contains(line, "cylinder"))
            ReadCylinder(line);
        else if (Contains(line, "triangle"))
            ReadTriangle(line);
        else if (Contains(line, "sphere"))
            ReadSphere(line);
        else if (Contains(line, "cone"))
            ReadCone(line);
        else if (Contains(line, "box"))
            ReadBox(line);
        if (primitives_.size() > static_cast<std::size_t>(kMaxPrimitives)) {
            primitives_.clear();
            messages_.emplace_back(msg::TooManyActorPrimitives);
            return false;
        }
    }
    Normalise();
    return true;
}

void TActor::DeclareColour(std::string_view line)
{
    TLineScanner scanner(line, messages_);
    scanner.NextToken('#');
    scanner.NextToken(' ');
    const std::string name(Trim(scanner.NextToken('=')));
    if (name.empty())
        return;
    scanner.NextToken('d');
    const float red = Channel(scanner.NextToken('g'));
    scanner.NextToken('n');
    const float green = Channel(scanner.NextToken('b'));
    scanner.NextToken('e');
    const float blue = Channel(scanner.Rest());
    colours_[Upper(name)] = {red, green, blue, 1.0f};
}

void TActor::DeclareSize(std::string_view line)
{
    TLineScanner scanner(line, messages_);
    const auto first = ReadVector(scanner);
    scanner.NextToken(',');
    const auto second = ReadVector(scanner);
    for (std::size_t axis = 0; axis < 3; ++axis) {
        boxMin_[axis] = std::min(first[axis], second[axis]);
        boxMax_[axis] = std::max(first[axis], second[axis]);
    }
    sizeDeclared_ = true;
}

std::array<float, 4> TActor::LookUpColour(std::string_view text) const
{
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {0, 0, 0, 0};
    text.remove_prefix(start);
    const std::string_view name = text.substr(0, text.find(' '));
    const auto found = colours_.find(Upper(name));
    if (found == colours_.end())
        return {0, 0, 0, 0};
    const auto& c = found->second;
    return {c.red, c.green, c.blue, c.alpha};
}

bool TActor::ReadPrimitive(PrimitiveKind kind, std::string_view line)
{
    TLineScanner scanner(line, messages_);
    TActorPrimitive p;
    p.kind = kind;
    const auto readColour = [&] {
        scanner.NextToken('{');
        scanner.NextToken('r');
        p.colour = LookUpColour(scanner.NextToken('}'));
    };
    switch (kind) {
    case PrimitiveKind::Sphere:
        p.points[0] = ReadVector(scanner);
        p.radius1 = ReadRadius(scanner);
        readColour();
        break;
    case PrimitiveKind::Cylinder:
        p.extraPoints = 1;
        p.points[0] = ReadVector(scanner);
        p.points[1] = ReadVector(scanner);
        p.radius1 = ReadRadius(scanner);
        readColour();
        break;
    case PrimitiveKind::Cone:
        p.extraPoints = 1;
        p.points[0] = ReadVector(scanner);
        p.radius1 = ReadRadius(scanner);
        p.points[1] = ReadVector(scanner);
        p.radius2 = ReadRadius(scanner);
        readColour();
        break;
    case PrimitiveKind::Triangle:
        p.extraPoints = 2;
        for (auto& point : p.points)
            point = ReadVector(scanner);
        readColour();
        break;
    case PrimitiveKind::Box:
        p.extraPoints = 2;
        p.points[0] = ReadVector(scanner);
        p.points[1] = ReadVector(scanner);
        readColour();
        // The third corner only widens the bounding box.
        p.points[2] = ReadVector(scanner);
        break;
    }
    bool usable = std::isfinite(p.radius1) && std::isfinite(p.radius2);
    for (const auto& point : p.points)
        for (const double value : point)
            usable = usable && std::isfinite(value);
    if (!usable) {
        messages_.emplace_back(msg::ActorLoadError);
        return false;
    }
    primitives_.push_back(p);
    return true;
}

void TActor::Normalise()
{
    if (!sizeDeclared_) {
        boxMin_.fill(kUnsetBound);
        boxMax_.fill(-kUnsetBound);
        for (const auto& p : primitives_)
            for (int i = 0; i <= p.extraPoints; ++i)
                for (std::size_t axis = 0; axis < 3; ++axis) {
                    boxMin_[axis] = std::min(boxMin_[axis], p.points[static_cast<std::size_t>(i)][axis]);
                    boxMax_[axis] = std::max(boxMax_[axis], p.points[static_cast<std::size_t>(i)][axis]);
                }
    }
    for (std::size_t axis = 0; axis < 3; ++axis)
        centre_[axis] = (boxMin_[axis] + boxMax_[axis]) / 2;
    double b = 2 * (boxMax_[1] - boxMin_[1]);
    // A flat actor (or one without primitives) has no height to scale by; it
    // is only moved into place rather than blown up to infinity.
    if (!(b > 0) || !std::isfinite(b))
        b = 1;
    for (auto& p : primitives_) {
        for (auto& point : p.points) {
            point = {(point[0] - centre_[0]) / b, (point[1] - boxMin_[1]) / b, (point[2] - centre_[2]) / b};
        }
        p.radius1 /= b;
        p.radius2 /= b;
    }
}

void TActor::Draw(const std::array<double, 3>& position, double angle) const
{
    glDisable(GL_CULL_FACE);
    glTranslated(position[0], position[1], position[2]);
    glRotated(angle, 0, 1, 0);
    glTranslated(-position[0], -position[1], -position[2]);
    for (const auto& primitive : primitives_)
        DrawPrimitive(primitive, position);
    glEnable(GL_CULL_FACE);
}

void TActor::DrawPrimitive(const TActorPrimitive& p, const std::array<double, 3>& position) const
{
    const double s = Scale;
    const auto at = [&](std::size_t i) {
        return std::array<double, 3>{position[0] + s * p.points[i][0], position[1] + s * p.points[i][1],
                                     position[2] + s * p.points[i][2]};
    };
    glColor4fv(p.colour.data());
    switch (p.kind) {
    case PrimitiveKind::Sphere: {
        const auto centre = at(0);
        glPushMatrix();
        glTranslated(centre[0], centre[1], centre[2]);
        gluSphere(quadric_, s * p.radius1, kSlices, kSphereStacks);
        glPopMatrix();
        break;
    }
    case PrimitiveKind::Cylinder:
    case PrimitiveKind::Cone: {
        const auto base = at(0);
        const auto top = at(1);
        const std::array<double, 3> d{top[0] - base[0], top[1] - base[1], top[2] - base[2]};
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        const auto [rx, ry] = QuadricTurn(d);
        glPushMatrix();
        glTranslated(base[0], base[1], base[2]);
        glRotated(rx, 1, 0, 0);
        glRotated(ry, 0, 1, 0);
        gluQuadricNormals(quadric_, GLU_SMOOTH);
        const double topRadius = p.kind == PrimitiveKind::Cylinder ? p.radius1 : p.radius2;
        gluCylinder(quadric_, s * p.radius1, s * topRadius, length, kSlices, kCylinderStacks);
        glPopMatrix();
        break;
    }
    case PrimitiveKind::Triangle:
        glBegin(GL_POLYGON);
        glNormal3f(0, 0, 1);
        for (std::size_t i = 0; i < 3; ++i)
            glVertex3dv(at(i).data());
        glEnd();
        break;
    case PrimitiveKind::Box: {
        const auto c1 = at(0);
        const auto c2 = at(1);
        const auto face = [](double nx, double ny, double nz, std::array<std::array<double, 3>, 4> corners) {
            glBegin(GL_POLYGON);
            glNormal3d(nx, ny, nz);
            for (const auto& corner : corners)
                glVertex3dv(corner.data());
            glEnd();
        };
        const double x1 = c1[0], y1 = c1[1], z1 = c1[2], x2 = c2[0], y2 = c2[1], z2 = c2[2];
        face(0, 0, 1, {{{x1, y1, z2}, {x2, y1, z2}, {x2, y2, z2}, {x1, y2, z2}}});
        face(0, 0, -1, {{{x1, y1, z1}, {x1, y2, z1}, {x2, y2, z1}, {x2, y1, z1}}});
        face(-1, 0, 0, {{{x1, y1, z1}, {x1, y1, z2}, {x1, y2, z2}, {x1, y2, z1}}});
        face(1, 0, 0, {{{x2, y1, z1}, {x2, y2, z1}, {x2, y2, z2}, {x2, y1, z2}}});
        face(0, 1, 0, {{{x1, y2, z1}, {x1, y2, z2}, {x2, y2, z2}, {x2, y2, z1}}});
        face(0, -1, 0, {{{x1, y1, z1}, {x2, y1, z1}, {x2, y1, z2}, {x1, y1, z2}}});
        break;
    }
    }
}

}  // namespace tarn
