// The component tree of the main window, made from a layout stream.
//
// buildLayout() creates one component per object record, sets each stored
// property through its class's property table (a property the class lacks
// is an error), decodes every picture, GIF and wave (or, for the game,
// leaves pictures and GIFs to be decoded when first used), and resolves component
// references once the whole stream has been read. Event properties are kept
// as names; bindHandlers() looks each name up in one HandlerRegistry.
#pragma once

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "layout/components.h"
#include "layout/stream.h"

namespace kvarnel::layout {

// Handlers of the main window by name ("Image94Click", "CasodavacTimer").
class HandlerRegistry {
public:
    // Registers `handler` under `name`; a second registration replaces it.
    void add(std::string name, Handler handler);
    const Handler* find(std::string_view name) const;
    size_t size() const { return handlers_.size(); }

private:
    // Node-based: the addresses of handlers stay valid as the map grows, so
    // bindings may point at them.
    std::unordered_map<std::string, Handler> handlers_;
};

class Layout {
public:
    Layout();
    Layout(Layout&&) noexcept;
    Layout& operator=(Layout&&) noexcept;
    ~Layout();

    Form& form() { return *form_; }
    const Form& form() const { return *form_; }

    // Every component but the window, in stream order.
    const std::vector<Component*>& components() const { return ordered_; }

    // Component by name; names compare without regard to ASCII case, as the
    // original's lookups do. Null when there is none.
    Component* find(std::string_view name) const;
    template <class T>
    T* findAs(std::string_view name) const {
        return as<T>(find(name));
    }

    // Points every event binding at the registry's handler of its name.
    // Names the registry lacks stay unbound (firing them does nothing).
    void bindHandlers(const HandlerRegistry& registry);
    // Distinct handler names the stream binds but the registry lacked at the
    // last bindHandlers() call, sorted.
    std::vector<std::string> unboundHandlerNames() const;
    // Number of event bindings the stream made (one per event property).
    size_t bindingCount() const { return bindings_.size(); }

    // A one-line description of each decoded binary value, by the offset of
    // its tag byte: "TJPEGImage 1024x625", "GIF 64x64, 9 frames".
    const std::map<size_t, std::string>& payloadSummaries() const { return summaries_; }

private:
    friend class LayoutBuilder;
    std::unique_ptr<Form> form_;
    std::vector<std::unique_ptr<Component>> owned_;
    std::vector<Component*> ordered_;
    std::unordered_map<std::string, Component*> byName_;  // lower-case keys
    std::vector<EventBinding*> bindings_;
    std::map<size_t, std::string> summaries_;
};

// Builds the component tree of `root`. Throws LayoutError naming `source`,
// the component, the property and the byte offset of the first problem.
// When pictures and GIF animations are decoded: all of them while the layout
// is built (a damaged one stops the build with its offset: tools, checks),
// or each when first drawn or measured (the game: a damaged one draws
// nothing and is logged then).
enum class PayloadDecoding : uint8_t { AtOnce, WhenFirstUsed };

// The components keep their payloads' bytes by sharing the records' buffers
// (the stream's, when it was read with readStreamSharing), not copying them.
Layout buildLayout(const ObjectRecord& root, std::string_view source = "layout stream",
                   PayloadDecoding decoding = PayloadDecoding::AtOnce);

// readStream() and buildLayout() in one.
Layout loadLayout(std::span<const uint8_t> bytes, std::string_view source = "layout stream",
                  PayloadDecoding decoding = PayloadDecoding::AtOnce);
// readStreamSharing() and buildLayout() in one: the layout keeps `bytes`'s
// buffer, which it refers into, alive.
Layout loadLayoutSharing(const Bytes& bytes, std::string_view source = "layout stream",
                         PayloadDecoding decoding = PayloadDecoding::AtOnce);

// Writes the tree as indented text, one component a line: class, name and
// stored properties in stream order; binary values as their summaries.
void dumpLayout(const ObjectRecord& root, const Layout& layout, std::ostream& out);

}  // namespace kvarnel::layout
