#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct GLUquadric;

namespace tarn {

// A colour declared in an actor file.
struct TColorRefObj {
    float red = 0, green = 0, blue = 0, alpha = 1;
    friend bool operator==(const TColorRefObj&, const TColorRefObj&) = default;
};

enum class PrimitiveKind : std::uint8_t { Cylinder = 0, Triangle = 1, Cone = 2, Sphere = 3, Box = 4 };

struct TActorPrimitive {
    PrimitiveKind kind = PrimitiveKind::Sphere;
    int extraPoints = 0;  // points after the first: sphere 0, cylinder and cone 1, triangle and box 2
    std::array<std::array<double, 3>, 3> points{};
    double radius1 = 0;
    double radius2 = 0;
    std::array<float, 4> colour{};  // (0, 0, 0, 0) for an undeclared colour name
};

// A small 3D object read from a text file in a subset of a scene
// description language: "#declare Name = color red R green G blue B",
// "#declare size = <x1,y1,z1>, <x2,y2,z2>", and sphere, cylinder, cone, box
// and triangle lines with "pigment { color Name }". Normalise() scales it to
// stand on y = 0, centred in x and z, 0.5 units high; Draw() draws it with
// OpenGL and GLU quadrics.
class TActor {
public:
    // What one file may hold: more is refused with a message, so a huge
    // file neither fills the memory nor keeps the drawing busy for minutes.
    static constexpr int kMaxPrimitives = 1000;
    static constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

    TActor();
    ~TActor();
    TActor(const TActor&) = delete;
    TActor& operator=(const TActor&) = delete;

    // Reads the file; false when it is not a readable file, is larger than
    // kMaxFileBytes, holds more than kMaxPrimitives or the actor already
    // holds primitives. Problems inside lines go to Messages().
    bool LoadFromFile(const std::filesystem::path& file);
    // The same for a file's text.
    bool LoadFromText(std::string_view text);

    void DeclareColour(std::string_view line);
    void DeclareSize(std::string_view line);
    // Each reads one primitive line; false (and the primitive left out)
    // when one of its numbers cannot be used.
    bool ReadCylinder(std::string_view line) { return ReadPrimitive(PrimitiveKind::Cylinder, line); }
    bool ReadTriangle(std::string_view line) { return ReadPrimitive(PrimitiveKind::Triangle, line); }
    bool ReadSphere(std::string_view line) { return ReadPrimitive(PrimitiveKind::Sphere, line); }
    bool ReadCone(std::string_view line) { return ReadPrimitive(PrimitiveKind::Cone, line); }
    bool ReadBox(std::string_view line) { return ReadPrimitive(PrimitiveKind::Box, line); }
    std::array<float, 4> LookUpColour(std::string_view text) const;
    void Normalise();

    // Draws at a scene position, turned by angle degrees about the vertical
    // line through it, every point scaled by Scale.
    void Draw(const std::array<double, 3>& position, double angle) const;

    double Scale = 1.0;

    const std::vector<TActorPrimitive>& Primitives() const { return primitives_; }
    const std::map<std::string, TColorRefObj>& Colours() const { return colours_; }
    bool SizeDeclared() const { return sizeDeclared_; }
    const std::array<double, 3>& BoxMinimum() const { return boxMin_; }
    const std::array<double, 3>& BoxMaximum() const { return boxMax_; }
    const std::array<double, 3>& Centre() const { return centre_; }
    // msg::ParseError, msg::ActorLoadError and the size limits' messages as
    // they arose.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    bool ReadPrimitive(PrimitiveKind kind, std::string_view line);
    void DrawPrimitive(const TActorPrimitive& primitive, const std::array<double, 3>& position) const;

    std::vector<TActorPrimitive> primitives_;
    // Keys are upper-cased: names are looked up without regard to case.
    std::map<std::string, TColorRefObj> colours_;
    bool sizeDeclared_ = false;
    std::array<double, 3> centre_{};
    std::array<double, 3> boxMin_{};
    std::array<double, 3> boxMax_{};
    std::vector<std::string> messages_;
    GLUquadric* quadric_ = nullptr;
};

// The turns (degrees about x, then about y) that point a GLU quadric's z
// axis along the direction d.
std::array<double, 2> QuadricTurn(const std::array<double, 3>& d);

}  // namespace tarn
