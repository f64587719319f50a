#include "app/launch.h"

#include "app/batch_file.h"
#include "app/batch_line.h"
#include "app/shell_open.h"

namespace gv {

void Launch(const LaunchOptions& options, const LaunchSteps& steps) {
  LaunchIn(ProgramDirectory(), options, steps);
}

void LaunchIn(const std::string& programDir, const LaunchOptions& options, const LaunchSteps& steps) {
  const std::string batchPath = programDir + kBatchFileName;
  RemoveFileIfPresent(batchPath);
  const std::string line = BuildBatchLine(options);
  WriteBatchFile(batchPath, line);
  if (steps.save) steps.save();
  // The bare file name: the shell finds it in the working directory, where the command
  // interpreter then looks for the game program too.
  const ShellOpener open = steps.shellOpen ? steps.shellOpen : ShellOpener(ShellOpenFile);
  open(steps.owner, kBatchFileName, "", programDir, SW_SHOW);
  if (steps.close) steps.close();
}

}  // namespace gv
