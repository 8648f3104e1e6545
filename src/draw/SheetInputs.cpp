#include "draw/SheetInputs.h"

std::string SheetText(const SheetInputs& inputs, std::string_view section, std::string_view key) {
    return inputs.lookup ? inputs.lookup(section, key) : std::string{};
}
