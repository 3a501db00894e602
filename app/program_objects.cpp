// Construction and destruction of the program's objects in their fixed order.
#include "app/program_objects.h"

namespace marlivo::app {

ProgramObjects& Program() {
  static ProgramObjects objects;
  return objects;
}

void ProgramObjects::Construct() {
  App.emplace();
  MainForm.emplace();
  StartButton.emplace();
  MaterialFolderEdit.emplace();
  DicFileEdit.emplace();
  MaterialFolderLabel.emplace();
  DicFileLabel.emplace();
  StatusLabel.emplace();
  FromFilenameRadio.emplace();
  FromPropertiesRadio.emplace();
  MaterialNameCheck.emplace();
  FolderNameCheck.emplace();
  MaterialDoubleLangCheck.emplace();
  FolderDoubleLangCheck.emplace();
  InvertCheck.emplace();
  ProgressBar.emplace();
  BannerPicture.emplace();
  // Last: the job's state, with its empty MaterialFileList.
  Job.emplace();
  FrontEnd.emplace(*this);
}

void ProgramObjects::Destroy() {
  FrontEnd.reset();
  App.reset();
  MainForm.reset();
  StartButton.reset();
  MaterialFolderEdit.reset();
  DicFileEdit.reset();
  MaterialFolderLabel.reset();
  DicFileLabel.reset();
  StatusLabel.reset();
  FromFilenameRadio.reset();
  FromPropertiesRadio.reset();
  MaterialNameCheck.reset();
  FolderNameCheck.reset();
  MaterialDoubleLangCheck.reset();
  FolderDoubleLangCheck.reset();
  InvertCheck.reset();
  ProgressBar.reset();
  BannerPicture.reset();
  Job.reset();
}

}  // namespace marlivo::app
