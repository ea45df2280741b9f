#include "matrices/core/matrix_list.h"

#include <algorithm>
#include <array>

#include "matrices/core/matrix_index.h"
#include "matrices/core/text_fields.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

struct TypeLabel {
    std::string_view code;
    std::string_view label;
};
constexpr std::array<TypeLabel, 10> kTypeLabels = {{
    {"01", "AMBATE"},
    {"02", "AMBI"},
    {"03", "TERZINE"},
    {"04", "QUARTINE"},
    {"05", "CINQUINE"},
    {"06", "SESTINE"},
    {"07", "SETTINE"},
    {"08", "OTTINE"},
    {"09", "NOVINE"},
    {"10", "DECINE"},
}};

// Characters first..first+count-1 (counted from 1) of a name, as far as the name reaches.
std::string_view Characters(std::string_view name, std::size_t first, std::size_t count) {
    if (name.size() < first) return {};
    return name.substr(first - 1, count);
}

}  // namespace

std::string_view MatrixTypeLabel(std::string_view code) {
    for (const TypeLabel& type : kTypeLabels) {
        if (type.code == code) return type.label;
    }
    return {};
}

int MatrixQuantity(std::string_view fileName) {
    return static_cast<int>(FieldNumber(Characters(fileName, 1, 2)));
}

int MatrixCombinations(std::string_view fileName) {
    return static_cast<int>(FieldNumber(Characters(fileName, 4, 3)));
}

std::string_view MatrixTypeOf(std::string_view fileName) {
    return MatrixTypeLabel(Characters(fileName, 7, 2));
}

std::string MatrixListText(std::string_view fileName) {
    std::string text(Characters(fileName, 1, 2));
    text += " NUMERI ";
    text += TextForm(MatrixCombinations(fileName));
    text += ' ';
    text += MatrixTypeOf(fileName);
    return text;
}

std::vector<MatrixListEntry> MatricesFor(const std::vector<std::string>& registeredNames, int quantity) {
    std::vector<MatrixListEntry> entries;
    if (quantity < 1 || quantity > 90) return entries;
    for (const std::string& name : registeredNames) {
        if (MatrixQuantity(name) == quantity) entries.push_back({name, MatrixListText(name)});
    }
    return entries;
}

MatrixList ListMatrices(const std::filesystem::path& programFolder, int quantity) {
    const MatrixIndex index = ReadMatrixIndex(programFolder);
    if (!index.ok()) return {{}, index.error, {}};
    return {MatricesFor(index.Entries(), quantity), {}, index.cut};
}

std::string MatrixButtonPage::Caption() const {
    if (pages <= 1) return {};
    const int last = std::min(first + kMatrixButtons, count);
    return "PAGINA " + Plain(page + 1) + " DI " + Plain(pages) + ": SISTEMI DA " + Plain(first + 1) + " A " +
           Plain(last) + " DI " + Plain(count);
}

MatrixButtonPage ButtonPage(const std::vector<MatrixListEntry>& entries, int page) {
    MatrixButtonPage shown;
    shown.count = static_cast<int>(entries.size());
    shown.pages = std::max(1, (shown.count + kMatrixButtons - 1) / kMatrixButtons);
    shown.page = std::clamp(page, 0, shown.pages - 1);
    shown.first = shown.page * kMatrixButtons;
    for (int i = 0; i < kMatrixButtons; ++i) {
        const auto button = static_cast<std::size_t>(i);
        const int k = shown.first + i;
        if (k < shown.count) {
            shown.captions[button] = entries[static_cast<std::size_t>(k)].listText;
            shown.files[button] = entries[static_cast<std::size_t>(k)].fileName;
        } else {
            shown.captions[button] = " ";
        }
    }
    return shown;
}

}  // namespace fortunara
