#pragma once
// A JSON writer that appends compact text straight to a string: no tree of values is built, so a
// batch of a hundred thousand charts spends its time on the charts, not on the output. Members
// come out in the order they are written; numbers and strings are written as a JSON library
// writes them (shortest round-trip doubles with ".0" on whole values, null for NaN and infinity,
// UTF-8 as it stands with control characters escaped).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace suimei::cli {

class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // The name of the next member of the open object.
    JsonWriter& key(std::string_view name);

    void value(std::string_view text);
    void value(const std::string& text) { value(std::string_view(text)); }
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool flag);
    void value(int number);
    void value(long long number);
    void value(double number);
    void null();

    // key(name) followed by value(v).
    template <typename T>
    void member(std::string_view name, const T& v) {
        key(name);
        value(v);
    }
    // The elements [first, size) of an array-like container as a JSON array.
    template <typename A>
    void array(const A& a, std::size_t first = 0) {
        beginArray();
        for (std::size_t i = first; i < a.size(); ++i) value(a[i]);
        endArray();
    }

  private:
    void separate();
    void quoted(std::string_view text);
    void open(char bracket);
    void close(char bracket);

    std::string& out_;
    // Per open bracket: has it a member or element yet. Nesting deeper than the array holds is
    // written correctly but without separators being tracked past the last level.
    std::array<bool, 32> hasItem_{};
    std::size_t depth_ = 0;
    bool afterKey_ = false;
};

}  // namespace suimei::cli
