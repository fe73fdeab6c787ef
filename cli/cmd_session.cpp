// rovan-cli session: read and write session documents (.rvs) without the window.
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CubeForms.h"
#include "document/SessionCube.h"
#include "model/MoveNotation.h"
#include "model/viewmath/ViewMath.h"

namespace cli {

namespace {

// The message the program shows for any file it refuses.
constexpr const char* kUnexpectedFormat = "Unexpected file format.";

int RunInfo(const Args& arguments) {
  Args args = arguments;
  FaceletForm form = FaceletForm::kDigits;
  if (!TakeFaceletForm(args, form)) return kExitBadInput;
  if (args.size() != 1) {
    PrintError("session info needs exactly one FILE; see rovan-cli --help");
    return kExitBadInput;
  }
  const std::string& path = args[0];
  std::vector<std::uint8_t> bytes;
  const fileio::ReadStatus read = session::ReadSessionFile(path, bytes);
  if (read != fileio::ReadStatus::kRead) {
    PrintError(path + ": cannot read the file: " + fileio::ReadProblem(read));
    return kExitBadInput;
  }
  session::SessionData data;
  switch (session::ParseSession(bytes, data)) {
    case session::ParseResult::Loaded:
      break;
    case session::ParseResult::EmptyFile:
      PrintError(path + ": the file is empty and holds no session");
      return kExitBadInput;
    case session::ParseResult::Refused:
      PrintError(path + ": " + kUnexpectedFormat);
      return kExitBadInput;
  }
  model::WCube cube;
  session::CameraState camera;
  session::RestoreSession(data, cube, camera);
  std::cout << "order: " << cube.Order() << "\n"
            << "moves: " << cube.MoveCount() << "\n"
            << "zoom: " << data.zoom << "\n"
            << FaceletsLine(cube.ExportColours(), form)
            << "stickers: " << cube.ExportStickerTurns() << "\n";
  return kExitOk;
}

int RunWrite(const Args& args) {
  if (args.size() < 2) {
    PrintError("session write needs FILE and ORDER; see rovan-cli --help");
    return kExitBadInput;
  }
  int order = 0;
  if (!ParseOrder(args[1], order)) return kExitBadInput;
  model::WCube cube;
  cube.Init(order);
  for (size_t i = 2; i < args.size(); ++i) model::ApplyCommand(cube, args[i], 0, 1, 0);
  // The camera of a new game of this order, projection view on, trackball at rest.
  session::CameraState camera;
  camera.zoom = viewmath::ShowViewPreset(order, true).zoom;
  const auto bytes = session::WriteSession(session::CaptureSession(cube, camera));
  if (!session::WriteFileAtomically(args[0], bytes)) {
    PrintError(args[0] + ": cannot write the file");
    return kExitFailure;
  }
  return kExitOk;
}

int RunSession(const Args& arguments) {
  if (arguments.empty()) {
    PrintError("session needs \"info\" or \"write\"; see rovan-cli --help");
    return kExitBadInput;
  }
  const Args rest(arguments.begin() + 1, arguments.end());
  if (arguments[0] == "info") return RunInfo(rest);
  if (arguments[0] == "write") return RunWrite(rest);
  PrintError("unknown session action \"" + arguments[0] + "\"; use \"info\" or \"write\"");
  return kExitBadInput;
}

const CliRegistrar registrar(
    {"session",
     "rovan-cli session info [--format digits|urfdlb] FILE\n"
     "    reads a session document (.rvs) and prints \"order:\", \"moves:\" (turn history),\n"
     "    \"zoom:\", \"facelets:\" and \"stickers:\" (sticker turns); a refused file exits 2.\n"
     "rovan-cli session write FILE ORDER TOKEN...\n"
     "    writes the session of a solved cube of ORDER (2..7) after the move tokens, which\n"
     "    are recorded in its history, with the camera of a new game of that order.",
     RunSession});

}  // namespace

}  // namespace cli
