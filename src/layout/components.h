// The components a layout stream creates, with their stored properties and
// the defaults of those it does not store.
//
// Components are plain data. They are owned by the Layout (layout.h) for
// the whole run; the game never creates or frees one, it only changes
// visibility, bounds, captions, frames and animation state. Field names are
// the property names of the stream, so a reader of the layout finds them.
//
// [SECTION] Common types: colours, fonts, events
// [SECTION] Component base classes
// [SECTION] Visual controls
// [SECTION] Non-visual components
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/bytes.h"
#include "layout/image.h"
#include "layout/lazy_payload.h"

namespace kvarnel::layout {

// ---------------------------------------------------------------------------
// [SECTION] Common types
// ---------------------------------------------------------------------------

// A colour as the stream stores it: 0x00BBGGRR, or a system colour with the
// high bit set and the system colour index in the low byte.
using TColor = int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
// Toolkit colours keep blue in the high byte: 255 is red, 65535 yellow.
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
inline constexpr TColor clBackground = static_cast<TColor>(0x80000001);
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008);

// Resolves a colour to opaque 0xAARRGGBB; system colours get the classic
// desktop scheme's values.
uint32_t colorToArgb(TColor color);

// The toolkit's colour names, as a layout stream may spell a colour
// ("clMaroon", "clBtnFace"): the value of a name, and the name of a value
// (nullopt for a colour that has none).
std::optional<TColor> colorFromName(std::string_view name);
std::optional<std::string_view> colorName(TColor color);

enum class Align : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

struct Font {
    std::string Name = "MS Sans Serif";
    int32_t Height = -11;  // negative: character height in pixels
    TColor Color = clWindowText;
    int32_t Charset = 1;  // DEFAULT_CHARSET
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const Font&) const = default;
};

enum class MouseButton : uint8_t { Left, Right, Middle };

class Component;

// What a handler receives. Position is in the sender's client coordinates
// for mouse events and zero otherwise.
struct EventArgs {
    Component* sender = nullptr;
    MouseButton button = MouseButton::Left;
    int x = 0;
    int y = 0;
};

using Handler = std::function<void(const EventArgs&)>;

// An event property as bound at load: the handler's name as the stream gives
// it, and the handler the registry found under that name (null while the
// game has no handler of that name).
struct EventBinding {
    std::string name;
    const Handler* handler = nullptr;

    bool stored() const { return !name.empty(); }
    void fire(const EventArgs& args) const {
        if (handler && *handler) (*handler)(args);
    }
};

// ---------------------------------------------------------------------------
// [SECTION] Component base classes
// ---------------------------------------------------------------------------

enum class ComponentClass : uint8_t {
    Form,
    Image,
    Label,
    GifAnimator,
    Panel,
    ShockwaveFlash,
    MediaPlayer,
    DXDraw,
    DXImageList,
    DXSound,
    DXWaveList,
    Timer,
    DXTimer,
};

// Stream class name of a component class ("TImage" for Image, ...).
std::string_view streamClassName(ComponentClass cls);

class Component {
public:
    explicit Component(ComponentClass cls) : cls_(cls) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    ComponentClass componentClass() const { return cls_; }
    virtual bool isControl() const { return false; }

    std::string Name;
    int32_t Left = 0;  // design position for non-visual components
    int32_t Top = 0;
    // Byte offset of the component's record in the stream it came from.
    size_t streamOffset = 0;

private:
    ComponentClass cls_;
};

// A visual control: bounds relative to its parent control, visibility,
// mouse events. Windowed controls (panels, movie controls, drawing
// surfaces, media players) stack above drawn ones within a parent.
class Control : public Component {
public:
    using Component::Component;
    bool isControl() const override { return true; }
    virtual bool windowed() const { return false; }

    int32_t Width = 0;
    int32_t Height = 0;
    bool Visible = true;
    // A disabled control is drawn but takes no mouse input: a click on it
    // reaches whatever lies beneath.
    bool Enabled = true;
    Align Align_ = Align::alNone;  // "Align" in the stream
    std::string Hint;
    bool ShowHint = false;
    bool ParentShowHint = true;
    int32_t TabOrder = 0;

    EventBinding OnClick;
    EventBinding OnMouseDown;
    EventBinding OnMouseUp;
    EventBinding OnMouseMove;

    Control* parent = nullptr;
    std::vector<Control*> children;  // in stream order
};

// ---------------------------------------------------------------------------
// [SECTION] Visual controls
// ---------------------------------------------------------------------------

// The main window (stream class TForm1).
class Form : public Control {
public:
    Form() : Control(ComponentClass::Form) {}
    bool windowed() const override { return true; }

    std::string BorderStyle = "bsSizeable";
    std::string Caption;
    int32_t ClientWidth = 0;
    int32_t ClientHeight = 0;
    TColor Color = clBtnFace;
    Font Font_;  // "Font" in the stream
    bool OldCreateOrder = false;
    std::string WindowState = "wsNormal";
    int32_t PixelsPerInch = 96;
    int32_t TextHeight = 0;
    EventBinding OnClose;
    EventBinding OnCreate;
};

// A picture control (TImage). Without a picture it still takes clicks.
class ImageControl : public Control {
public:
    ImageControl() : Control(ComponentClass::Image) {}

    LazyPicture Picture_;  // "Picture" in the stream
    bool AutoSize = false;
    bool Center = false;
    bool Stretch = false;
    bool Transparent = false;
};

class Label : public Control {
public:
    Label() : Control(ComponentClass::Label) {}

    std::string Caption;  // UTF-8
    bool AutoSize = true;
    bool Transparent = false;
    bool ParentColor = true;
    bool ParentFont = true;
    TColor Color = clBtnFace;
    Font Font_;
    EventBinding OnMouseEnter;
    EventBinding OnMouseLeave;
};

// An animated GIF sprite (TRxGIFAnimator).
class GifAnimator : public Control {
public:
    GifAnimator() : Control(ComponentClass::GifAnimator) {}

    LazyGif Image_;  // "Image" in the stream
    bool Animate = false;
    bool AutoSize = true;
    bool Loop = true;
    bool Transparent = true;
    bool Stretch = false;
    bool Center = false;
    int32_t FrameIndex = 0;
    // When the shown frame's delay runs out, on the platform clock; 0 while
    // not yet scheduled (the next animation pass schedules it).
    uint64_t frameDueMs = 0;
    EventBinding OnChange;
    EventBinding OnStop;
};

class Panel : public Control {
public:
    Panel() : Control(ComponentClass::Panel) {}
    bool windowed() const override { return true; }

    std::string Caption;
    std::string BevelOuter = "bvRaised";
    TColor Color = clBtnFace;
    bool ParentFont = true;
    Font Font_;
};

// A movie control. ControlData is kept as the stream gives it: the movie
// player needs nothing from it (each movie is chosen at run time).
class ShockwaveFlash : public Control {
public:
    ShockwaveFlash() : Control(ComponentClass::ShockwaveFlash) {}
    bool windowed() const override { return true; }

    Bytes ControlData;
};

// A hidden media player control; its file is set at run time.
class MediaPlayer : public Control {
public:
    MediaPlayer() : Control(ComponentClass::MediaPlayer) {}
    bool windowed() const override { return true; }

    bool AutoOpen = false;
    std::string FileName;
    bool Wait = true;
    EventBinding OnNotify;
};

class DXImageList;

// One drawing operation on a surface, as it was asked for (layout/surface.h).
struct SurfaceCommand {
    enum class Kind : uint8_t { FillBlack, Scaled, Turned };
    Kind kind = Kind::FillBlack;
    const DXImageList* list = nullptr;
    int n = 0, x = 0, y = 0, w = 0, h = 0, ax = 0, ay = 0, degrees = 0;
    bool operator==(const SurfaceCommand&) const = default;
};

// A drawing surface that the frame timer's screens draw on.
class DXDraw : public Control {
public:
    DXDraw() : Control(ComponentClass::DXDraw) {}
    bool windowed() const override { return true; }

    bool AutoInitialize = false;
    bool AutoSize = false;
    TColor Color = clBtnFace;
    int32_t DisplayBitCount = 0;  // the Display.* properties
    int32_t DisplayWidth = 0;
    int32_t DisplayHeight = 0;
    bool DisplayFixedBitCount = false;
    bool DisplayFixedRatio = false;
    bool DisplayFixedSize = false;
    std::vector<std::string> Options;
    int32_t SurfaceWidth = 0;
    int32_t SurfaceHeight = 0;

    // The pixels the game draws (back) and what the screen shows (front),
    // swapped by a flip. Empty until first drawn.
    Image back;
    Image front;
    uint64_t flips = 0;  // counts flips, so a changed front is noticed cheaply
    // What was asked for since the last flip, and what the front was drawn
    // from. The screens redraw everything every tick; a flip of the same
    // operations as the last one leaves the front and `flips` alone.
    std::vector<SurfaceCommand> pending;
    std::vector<SurfaceCommand> drawn;
};

// ---------------------------------------------------------------------------
// [SECTION] Non-visual components
// ---------------------------------------------------------------------------

struct ImageListItem {
    std::string Name;
    LazyPicture Picture_;
    int32_t PatternWidth = 0;
    int32_t PatternHeight = 0;
    bool SystemMemory = false;
    bool Transparent = true;
    TColor TransparentColor = clBlack;
};

class DXImageList : public Component {
public:
    DXImageList() : Component(ComponentClass::DXImageList) {}

    std::string DXDrawName;     // the reference as stored
    DXDraw* DXDraw_ = nullptr;  // resolved after the whole stream is read
    std::vector<ImageListItem> Items;
    // The 256-entry colour table; kept, though it never changes drawing.
    Bytes ColorTable;
};

class DXSound : public Component {
public:
    DXSound() : Component(ComponentClass::DXSound) {}

    bool AutoInitialize = true;
    std::vector<std::string> Options;
};

struct WaveItem {
    std::string Name;
    bool Looped = false;
    int32_t MaxPlayingCount = 0;
    Bytes Wave;  // the complete RIFF/WAVE file
    WaveFormat format;
};

class DXWaveList : public Component {
public:
    DXWaveList() : Component(ComponentClass::DXWaveList) {}

    std::string DXSoundName;
    DXSound* DXSound_ = nullptr;
    std::vector<WaveItem> Items;
};

class Timer : public Component {
public:
    Timer() : Component(ComponentClass::Timer) {}

    bool Enabled = true;
    int32_t Interval = 1000;
    EventBinding OnTimer;
};

class DXTimer : public Component {
public:
    DXTimer() : Component(ComponentClass::DXTimer) {}

    bool ActiveOnly = true;
    bool Enabled = true;
    int32_t Interval = 1000;
    EventBinding OnTimer;
};

// Maps the component classes to C++ types, for typed lookups.
template <class T>
struct ClassOf;
template <>
struct ClassOf<Form> {
    static constexpr ComponentClass value = ComponentClass::Form;
};
template <>
struct ClassOf<ImageControl> {
    static constexpr ComponentClass value = ComponentClass::Image;
};
template <>
struct ClassOf<Label> {
    static constexpr ComponentClass value = ComponentClass::Label;
};
template <>
struct ClassOf<GifAnimator> {
    static constexpr ComponentClass value = ComponentClass::GifAnimator;
};
template <>
struct ClassOf<Panel> {
    static constexpr ComponentClass value = ComponentClass::Panel;
};
template <>
struct ClassOf<ShockwaveFlash> {
    static constexpr ComponentClass value = ComponentClass::ShockwaveFlash;
};
template <>
struct ClassOf<MediaPlayer> {
    static constexpr ComponentClass value = ComponentClass::MediaPlayer;
};
template <>
struct ClassOf<DXDraw> {
    static constexpr ComponentClass value = ComponentClass::DXDraw;
};
template <>
struct ClassOf<DXImageList> {
    static constexpr ComponentClass value = ComponentClass::DXImageList;
};
template <>
struct ClassOf<DXSound> {
    static constexpr ComponentClass value = ComponentClass::DXSound;
};
template <>
struct ClassOf<DXWaveList> {
    static constexpr ComponentClass value = ComponentClass::DXWaveList;
};
template <>
struct ClassOf<Timer> {
    static constexpr ComponentClass value = ComponentClass::Timer;
};
template <>
struct ClassOf<DXTimer> {
    static constexpr ComponentClass value = ComponentClass::DXTimer;
};

// Typed downcast: null when `c` is null or of another class. Control (any
// visual control) is accepted through its own overload.
template <class T>
T* as(Component* c) {
    if constexpr (std::is_same_v<T, Control>) {
        return c && c->isControl() ? static_cast<Control*>(c) : nullptr;
    } else if constexpr (std::is_same_v<T, Component>) {
        return c;
    } else {
        return c && c->componentClass() == ClassOf<T>::value ? static_cast<T*>(c) : nullptr;
    }
}

}  // namespace kvarnel::layout
