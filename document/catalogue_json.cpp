#include "document/catalogue_json.h"

#include <nlohmann/json.hpp>

namespace tabrix {

namespace {

const char* ArgumentName(ArgumentKind argument) {
    switch (argument) {
        case ArgumentKind::None: return nullptr;
        case ArgumentKind::Register: return "register";
        case ArgumentKind::Label: return "label";
        case ArgumentKind::ProgramName: return "program";
        case ArgumentKind::WordSize: return "word size";
        case ArgumentKind::Count: return "count";
    }
    return nullptr;
}

}  // namespace

std::string CatalogueJson(const catalogue::Function& function, bool withId) {
    nlohmann::ordered_json json;
    if (withId) json["id"] = static_cast<int>(function.id);
    json["token"] = catalogue::TokenPattern(function);
    json["label"] = std::string(function.label);
    json["family"] = std::string(catalogue::FamilyName(function.family));
    json["description"] = std::string(function.description);
    if (const auto key = catalogue::KeyOf(function.id)) {
        json["key"] = {{"code", key->code}, {"shifted", key->shifted}};
    } else {
        json["key"] = nullptr;
    }
    const char* argument = ArgumentName(function.argument);
    json["argument"] = argument != nullptr ? nlohmann::ordered_json(argument) : nlohmann::ordered_json(nullptr);
    return json.dump();
}

}  // namespace tabrix
