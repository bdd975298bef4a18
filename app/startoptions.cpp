#include "startoptions.h"

#include "quorvexversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <string_view>
#include <vector>

namespace quorvex {

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// After the options, as quorvex-eval's help ends, so that the manual page
// made from it gets the same section.
constexpr const char *exitStatusText =
    "\nExit status: 0 when the main window was closed or the help or version\n"
    "was shown, 2 for a usage error.\n";

struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Show this help.")};
  QCommandLineOption version{QStringLiteral("version"),
                             QStringLiteral("Show the version.")};
};

void describe(QCommandLineParser &parser, const Options &options) {
  parser.setApplicationDescription(QStringLiteral(
      "Quorvex, a desktop formula calculator. Name the variables in the Assign\n"
      "box (\"x;y\"), type a value for each into the Value column, write a\n"
      "formula and press Compute. 'man quorvex' describes the formula language,\n"
      "and 'quorvex-eval --list' lists the functions and constants."));
  // Whole words, as Qt's own options are written: "-stylesheet" must not
  // read as "-s -t -y -l -e -s -h ...", which would ask for the help.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(options.help);
  parser.addOption(options.version);
  parser.addPositionalArgument(
      QStringLiteral("worksheet"),
      QCoreApplication::translate("StartOptions",
                                  "A worksheet to open, as File > Save Worksheet saves "
                                  "it."),
      QStringLiteral("[WORKSHEET]"));
}

// Writes everything or reports why not, as quorvex-eval does.
int print(const QString &text) {
  const QByteArray bytes = text.toLocal8Bit();
  if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
          static_cast<std::size_t>(bytes.size()) &&
      std::fflush(stdout) == 0)
    return 0;
  std::fputs("quorvex: error writing standard output\n", stderr);
  return exitFailure;
}

} // namespace

std::optional<int> answerInformationOptions(int argc, char **argv) {
  // The usage line names the program as it is installed, not by the path it
  // was started with.
  char name[] = "quorvex";
  std::vector<char *> args(argv, argv + argc);
  if (args.empty())
    args.push_back(name);
  args[0] = name;
  int count = static_cast<int>(args.size());
  const QCoreApplication core(count, args.data());
  QCoreApplication::setApplicationName(QStringLiteral("quorvex"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEX_VERSION));

  QCommandLineParser parser;
  const Options options;
  describe(parser, options);
  // Leniently: Qt's own options are not known here; they are judged once
  // the QApplication has taken them out.
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(options.help))
    return print(parser.helpText() + QString::fromLatin1(exitStatusText));
  if (parser.isSet(options.version))
    return print(QStringLiteral("quorvex " QUORVEX_VERSION "\n"));
  return std::nullopt;
}

StartArguments readStartArguments(const QStringList &arguments) {
  QCommandLineParser parser;
  const Options options;
  describe(parser, options);
  QString error;
  if (!parser.parse(arguments))
    error = parser.errorText();
  else if (parser.positionalArguments().size() > 1)
    error = QCoreApplication::translate("StartOptions",
                                        "one worksheet at most, not %1 (the second is "
                                        "'%2')")
                .arg(parser.positionalArguments().size())
                .arg(parser.positionalArguments().at(1));
  if (error.isEmpty())
    return {std::nullopt, parser.positionalArguments().value(0)};
  std::fprintf(stderr, "quorvex: %s\nTry 'quorvex --help'.\n",
               error.toLocal8Bit().constData());
  return {exitUsage, {}};
}

std::optional<int> refuseUnknownArgumentsWithoutDisplay(int argc, char **argv) {
  for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (!qEnvironmentVariableIsEmpty(variable))
      return std::nullopt;
  for (int i = 1; i < argc; ++i) {
    // Qt takes its options with one dash or two.
    std::string_view argument = argv[i];
    if (argument.starts_with("--"))
      argument.remove_prefix(1);
    if (argument == "-platform" || argument == "-display")
      return std::nullopt;
  }
  std::vector<char *> args(argv, argv + argc);
  char platform[] = "-platform", minimal[] = "minimal";
  args.insert(args.begin() + (args.empty() ? 0 : 1), {platform, minimal});
  int count = static_cast<int>(args.size());
  const QApplication probe(count, args.data());
  return readStartArguments(QApplication::arguments()).exitStatus;
}

} // namespace quorvex
