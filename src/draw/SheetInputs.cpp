#include "draw/SheetInputs.h"

std::string sheetText(const SheetInputs& inputs, TextKey key) {
    return inputs.lookup ? inputs.lookup(key) : std::string{};
}
