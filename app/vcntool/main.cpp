// vcntool: the channel editor's companion for scripts. It opens and saves channel files with the
// editor's own code, so whatever it accepts the editor accepts, and the other way round.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

#include "commands.h"
#include "exit_codes.h"

namespace {

// Wrapped by hand: the help formatter does not wrap long texts.
constexpr const char* kFooter =
    R"(FILE must end in .vcn (in any letter case) for check, dump, csv and resave, as it
must for the editor. check and resave print the status texts on stdout; dump and
csv print only their data there. A refusal prints its message on stderr.

dump: one JSON object with the arrays satellites (slots in use), transponders,
services and favourites (the five groups). Numbers are the raw field values; a
text is its field's bytes up to the first zero byte, each byte written as the
Unicode character of the same value, so nothing is lost.

csv: RFC 4180, UTF-8, CR LF line ends, a header row, then one row per channel:
Slot, Name, Provider, Type (TV or Radio), Satellite, Position, Frequency (MHz),
Polarity, Symbol Rate (kS/s), Service ID, Video PID, Audio PID, PCR PID,
CA Systems, Language, Locked (yes/no), Scrambled (yes/no), Favourites.
Several CA systems or favourite groups in one cell are separated by ';'; groups
are named after the editor's Fav columns, e.g. "Fav 1;Fav 3". A channel whose
transponder or satellite does not exist has those cells empty.

Exit codes:
  0       success
  1       demo: FILE exists already or could not be written; or stdout failed
  2       usage error
  10-17   the open was refused with "Error[N] : ..." (10 + N)
  20      the open failed with "Problem writing to file."
  28, 29  resave was refused with "Level[8] : ..." or "Level[9] : ...")";

struct Subcommand {
  const char* name;
  const char* description;
  std::function<int(const std::string&)> run;
};

const std::vector<Subcommand> kSubcommands = {
    {"check", "Open FILE as the editor's Open does", CheckCommand},
    {"dump", "Open FILE and print its database as JSON", DumpCommand},
    {"csv", "Open FILE and print its channel list as CSV", CsvCommand},
    {"resave", "Open FILE and save it as NEW_<name> beside it, as the editor's Save does",
     ResaveCommand},
    {"demo",
     "Write a made-up channel file to FILE (which must not exist yet), the same bytes every "
     "time",
     DemoCommand},
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Checks, dumps, exports, re-saves and makes the receiver's channel files (.vcn)\n"
      "with the channel editor's own code.",
      "vcntool"};
  app.footer(kFooter);
  app.require_subcommand(1);
  std::string file;
  std::vector<CLI::App*> parsers;
  for (const Subcommand& command : kSubcommands) {
    CLI::App* parser = app.add_subcommand(command.name, command.description);
    parser->add_option("FILE", file, "the channel file")->required();
    parsers.push_back(parser);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kExitOk : kExitUsage;
  }
  for (std::size_t i = 0; i < kSubcommands.size(); ++i) {
    if (parsers[i]->parsed()) return kSubcommands[i].run(file);
  }
  return kExitUsage;
}
