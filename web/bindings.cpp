// The calculator session for the page's JavaScript (embind): WebSession's
// methods as they are, and the state file's bytes as Uint8Arrays.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "web/web_session.h"

using namespace emscripten;
using tabrix::web::WebSession;

namespace {

WebSession* MakeSession(val seed) {
    if (seed.isUndefined() || seed.isNull()) return new WebSession();
    return new WebSession(static_cast<std::uint64_t>(seed.as<double>()));
}

val SavedStateFile(const WebSession& session) {
    const std::string bytes = session.SavedStateFile();
    val array = val::global("Uint8Array").new_(bytes.size());
    array.call<void>("set", val(typed_memory_view(bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()))));
    return array;
}

std::string LoadStateFile(WebSession& session, val bytes, const std::string& name) {
    const std::vector<std::uint8_t> data = convertJSArrayToNumberVector<std::uint8_t>(bytes);
    return session.LoadStateFile(std::string(data.begin(), data.end()), name);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tabrix) {
    class_<WebSession>("Session")
        .constructor(&MakeSession, allow_raw_pointers())
        .function("perform", &WebSession::Perform)
        .function("run", &WebSession::Run)
        .function("state", &WebSession::State)
        .function("display", &WebSession::Display)
        .function("keyName", &WebSession::KeyName)
        .function("typedInMode", &WebSession::TypedInMode)
        .function("bits", &WebSession::Bits)
        .function("keyHelp", &WebSession::KeyHelp)
        .function("functionHelp", &WebSession::FunctionHelp)
        .function("keyboardHelp", &WebSession::KeyboardHelp)
        .function("setFunctionWords", &WebSession::SetFunctionWords)
        .function("setRecentFunctions", &WebSession::SetRecentFunctions)
        .function("recentFunctions", &WebSession::RecentFunctions)
        .function("findFunctions", &WebSession::FindFunctions)
        .function("chooseFunction", &WebSession::ChooseFunction)
        .function("completeToken", &WebSession::CompleteToken)
        .function("tapeLines", &WebSession::TapeLines)
        .function("tapeTail", &WebSession::TapeTail)
        .function("tapeScript", &WebSession::TapeScript)
        .function("tapeSaved", &WebSession::TapeSaved)
        .function("canUndo", &WebSession::CanUndo)
        .function("canRedo", &WebSession::CanRedo)
        .function("registerLabels", &WebSession::RegisterLabels)
        .function("statisticsRows", &WebSession::StatisticsRows)
        .function("numericGuesses", &WebSession::NumericGuesses)
        .function("readGuess", &WebSession::ReadGuess)
        .function("plot", &WebSession::Plot)
        .function("kept", &WebSession::Kept)
        .function("restore", &WebSession::Restore)
        .function("savedStateFile", &SavedStateFile)
        .function("loadStateFile", &LoadStateFile)
        .function("programsText", &WebSession::ProgramsText)
        .function("programText", &WebSession::ProgramText)
        .function("setPrograms", &WebSession::SetPrograms)
        .function("setProgram", &WebSession::SetProgram)
        .function("removeProgram", &WebSession::RemoveProgram)
        .function("setLocaleDecimal", &WebSession::SetLocaleDecimal)
        .function("programs", &WebSession::Programs);
}
