#include "cli/cli_options.h"

#include <charconv>
#include <clocale>
#include <functional>
#include <langinfo.h>
#include <locale.h>
#include <ostream>
#include <string_view>

#include "cli/cli_help.h"
#include "document/catalogue_json.h"
#include "engine/function_catalogue.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace tabrix::cli {

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "usage: tabrix-cli [--json | --value | --tape | --trace] [--seed N] [--locale NAME]\n"
    "                  [--load FILE] [--save FILE] [--program FILE ...] [--max-steps N]\n"
    "                  [--ignore-errors] [--script FILE] [TOKEN ...]\n"
    "\n"
    "Runs the tokens on a calculator that starts from its defaults, then prints its\n"
    "state. Without tokens it reads them from standard input, line by line, and\n"
    "prints the state after each line.\n"
    "\n"
    "  --json         print the state as one line of JSON\n"
    "  --value        print only the value Copy Exact would copy (X, or the number\n"
    "                 being typed) at full precision, instead of the state\n"
    "  --tape         print the run's tape instead of the state: its lines of tokens,\n"
    "                 each with the main line after it; --script replays it\n"
    "  --trace        print, for each token, one line of JSON: the token and the\n"
    "                 state after it; for each step of a program run, the\n"
    "                 program, the step's number and token, and the state after it;\n"
    "                 and for each evaluation of f in solve:NAME or integrate:NAME,\n"
    "                 its count, x and f(x) (null where f gives no value)\n"
    "  --locale NAME  the locale whose decimal separator reads a lone \",\" or \".\"\n"
    "                 before three digits in paste-number:TEXT and paste-data:TEXT\n"
    "                 (default C: \".\")\n"
    "  --seed N       seed the random numbers of RAN# (repeatable runs)\n"
    "  --load FILE    read a state file before the tokens\n"
    "  --save FILE    write the state file after the tokens\n"
    "  --script FILE  run the tokens of FILE (lines of tokens, # comments), then\n"
    "                 those of the command line, and print the state once\n"
    "  --program FILE read the programs (def:NAME ... end blocks) of FILE; may be\n"
    "                 given more than once\n"
    "  --max-steps N  stop a program run after N steps (default 100000000), the\n"
    "                 steps of every evaluation of a solve or an integration\n"
    "                 counted; a run stopped so, or by more than 32 open calls,\n"
    "                 ends tabrix-cli with exit status 3 after printing the state\n"
    "  --ignore-errors\n"
    "                 a calculator showing an error (ERROR: NaN, Inf, OVR) is no\n"
    "                 failure: nothing is told, and the exit status stays 0\n"
    "  --functions    print every function the calculator has, one line of JSON\n"
    "                 each: its token, label, family, description and key\n"
    "\n"
    "Exit status: 0 done; 1 the output could not be written; 2 a usage error or a\n"
    "bad token (nothing printed); 3 a program run stopped at the step limit or by\n"
    "too many open calls; 5 a token refused while running (cont or sst with no run\n"
    "stopped, a run that cannot begin); 4 the calculator showed an error (with\n"
    "--json or --trace, any state printed; else the last). The first of these in\n"
    "this order counts.\n"
    "  --help         this text;  --version  the version\n"
    "\n";

// The decimal separator of an installed locale ("de_DE.UTF-8" gives ',').
std::optional<char> LocaleDecimal(const std::string& name) {
    const locale_t locale = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return std::nullopt;
    const char* point = nl_langinfo_l(RADIXCHAR, locale);
    const char decimal = point != nullptr && point[0] == ',' ? ',' : '.';
    freelocale(locale);
    return decimal;
}

std::optional<std::uint64_t> ParseWholeNumber(const std::string& value) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
    if (value.empty() || error != std::errc{} || end != value.data() + value.size()) return std::nullopt;
    return seed;
}

// An option that takes a value: where the value goes, and what a value must
// be when the setter refuses it.
struct ValueOption {
    std::string_view name;
    std::function<bool(Options&, const std::string&)> set;
    const char* expected = "";
};

const ValueOption kValueOptions[] = {
    {"--load", [](Options& o, const std::string& v) { o.load = v; return true; }},
    {"--save", [](Options& o, const std::string& v) { o.save = v; return true; }},
    {"--script", [](Options& o, const std::string& v) { o.script = v; return true; }},
    {"--program", [](Options& o, const std::string& v) { o.programs.push_back(v); return true; }},
    {"--max-steps",
     [](Options& o, const std::string& v) {
         const auto steps = ParseWholeNumber(v);
         o.maxSteps = steps.value_or(0);
         return steps.has_value() && *steps > 0;
     },
     "a whole number from 1 to 18446744073709551615"},
    {"--seed", [](Options& o, const std::string& v) { return (o.seed = ParseWholeNumber(v)).has_value(); },
     "a whole number from 0 to 18446744073709551615"},
    {"--locale",
     [](Options& o, const std::string& v) {
         const auto decimal = LocaleDecimal(v);
         o.localeDecimal = decimal.value_or('.');
         return decimal.has_value();
     },
     "the name of a locale installed here (see locale -a)"},
};

// The options that choose what is printed; the last one given counts.
std::optional<Options::Output> OutputOption(std::string_view name) {
    static constexpr std::pair<std::string_view, Options::Output> kOutputs[] = {
        {"--json", Options::Output::Json},
        {"--value", Options::Output::Value},
        {"--tape", Options::Output::Tape},
        {"--trace", Options::Output::Trace},
    };
    for (const auto& [option, output] : kOutputs) {
        if (option == name) return output;
    }
    return std::nullopt;
}

const ValueOption* FindValueOption(std::string_view name) {
    for (const ValueOption& option : kValueOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedCommandLine parsed;
    Options& options = parsed.options;
    bool tokensOnly = false;
    for (std::size_t i = 0; i < args.size() && !parsed.exitNow; ++i) {
        const std::string& arg = args[i];
        if (tokensOnly || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            options.tokens.push_back(arg);
        } else if (arg == "--") {
            tokensOnly = true;
        } else if (arg == "--help") {
            out << kUsage << TokenHelp();
            parsed.exitNow = 0;
        } else if (arg == "--functions") {
            for (const catalogue::Function& function : catalogue::All()) {
                if (function.Exists()) out << CatalogueJson(function) << "\n";
            }
            parsed.exitNow = 0;
        } else if (arg == "--ignore-errors") {
            options.reportErrors = false;
        } else if (arg == "--version") {
            out << "tabrix-cli " << TABRIX_VERSION << "\n";
            parsed.exitNow = 0;
        } else if (const auto output = OutputOption(arg)) {
            options.output = *output;
        } else if (const ValueOption* option = FindValueOption(arg)) {
            if (i + 1 == args.size()) {
                err << "tabrix-cli: option '" << arg << "' needs a value\n";
                parsed.exitNow = kUsageError;
            } else if (!option->set(options, args[++i])) {
                err << "tabrix-cli: option '" << arg << "' needs " << option->expected << ", not '" << args[i] << "'\n";
                parsed.exitNow = kUsageError;
            }
        } else {
            err << "tabrix-cli: unknown option '" << arg << "'\n";
            parsed.exitNow = kUsageError;
        }
    }
    return parsed;
}

}  // namespace tabrix::cli
