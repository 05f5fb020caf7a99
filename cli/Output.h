// What kortools-calc writes: a model's values as text, as JSON or as CSV, and the lists of
// tools and variables. Everything goes through one large buffer, so that a sweep of a million
// points costs a few hundred writes and not millions.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CKorObj;
struct RegisteredTool;

class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* file);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Put(std::string_view text);
    void Put(char c);
    // Room for at least `size` characters at the end, kept by Commit.
    char* Reserve(std::size_t size);
    void Commit(char* end);

    // Writes what is held. False once any write has failed (a full disk, a closed pipe).
    bool Flush();
    // Whether a write has failed, and its errno: a long run stops at once, not at its end.
    bool Failed() const { return m_failed; }
    int Error() const { return m_error; }

private:
    std::FILE* m_file;
    // Not a vector: a megabyte zeroed at start would be most of the time a short run takes.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_size;
    std::size_t m_used = 0;
    bool m_failed = false;
    int m_error = 0;
};

// A model's variables (from index 2 on) as the columns of CSV rows and the entries of JSON
// objects. Made once for a model class and then used for every point of a sweep.
class ValueColumns {
public:
    explicit ValueColumns(const CKorObj& model);

    void WriteCsvHeader(OutputBuffer& out) const;
    // Numbers in full precision in their display unit, an enumeration as its text; a value that
    // is not a number (a saved file may hold one) as an empty cell.
    void WriteCsvRow(OutputBuffer& out, const CKorObj& model) const;
    // {"tool": ..., ["point": n,] "variables": [{"name", "model_name", "value", "unit", "text"}]}
    // on one line; `point` 0 for none. A value that is not a number is null.
    void WriteJson(OutputBuffer& out, const RegisteredTool& tool, const CKorObj& model, long point) const;

private:
    struct Column {
        int index;
        bool integer;
        bool enumeration;
        int unit;
        int display;
        std::string name; // command-line name
    };
    std::vector<Column> m_columns;

    double DisplayValue(const CKorObj& model, const Column& column) const;
};

// "name = value unit" lines: exactly what the tool's "Copy Values" puts on the clipboard.
void WriteValueText(OutputBuffer& out, const CKorObj& model);

// One line per tool: its name and its launcher caption, separated by a tab.
void WriteToolList(OutputBuffer& out);

// The line of one variable, its fields separated by tabs: command-line name, the model's name,
// the label of the variable in the tool's window (empty where the window does not show it),
// display unit, limits in the display unit (or an enumeration's choices), and "entered" or
// "derived".
void WriteVarLine(OutputBuffer& out, const CKorObj& model, int index, const std::string& label, bool entered);
