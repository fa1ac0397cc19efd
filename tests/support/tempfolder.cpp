#include "tempfolder.h"

#include "platform/programfolder.h"

namespace korvane::test {

QString datadir() { return QStringLiteral(KORVANE_DATA_DIR); }

TempProgramFolder::TempProgramFolder(bool withdata) : previous(programfolder())
{
    setprogramfolder(dir.path());
    if (withdata) prepareprogramfolder(datadir());
}

TempProgramFolder::~TempProgramFolder() { setprogramfolder(previous); }

QString TempProgramFolder::path() const { return programfolder(); }

} // namespace korvane::test
