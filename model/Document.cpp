#include "model/Document.h"

#include "settings/Profile.h"
#include "settings/ProfileValues.h"

namespace vellum {

void Document::readProfile(const Profile& profile) {
    registeredPaths.load(profile);
    saveItems.load(profile);
    OpenDialogDefaults defaults;
    defaults.load(profile);
    options.shape = defaults.dimension;
    options.autoMesh = defaults.autoMesh;
    options.dataType = defaults.dataType;
}

std::string Document::caption() const {
    const FileSet& f = dataSet.files;
    return "vellumPLOT - ver.2.41 [" + (isStlModel(f) ? f.stlFilePath : f.pointFilePath) + "]";
}

} // namespace vellum
