#include "platform/type1store.h"

namespace platform {

std::vector<Type1Record> ActiveType1Fonts() {
    return {};
}
bool AddType1Record(const Type1Record&) {
    return false;
}
bool RemoveType1Record(const std::string&, uint16_t) {
    return false;
}
void LoadBootTimeType1Fonts() {}
std::string PostScriptNameOfPfm(const std::string&) {
    return {};
}

} // namespace platform
