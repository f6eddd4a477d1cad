// While a page call changes materials itself ("createMaterials", "deleteMaterial") the
// host's attribute events about those changes are not passed on: the call's own result is
// the fresh catalogue.
#pragma once

class OwnMaterialChanges {
public:
    OwnMaterialChanges ();
    OwnMaterialChanges (const OwnMaterialChanges&) = delete;
    OwnMaterialChanges& operator= (const OwnMaterialChanges&) = delete;
    ~OwnMaterialChanges ();

    static bool InProgress ();
};
