#include "core/delete_plan.h"

#include "core/catalogue_format.h"

DeletePlan PlanSymbolDelete(const std::string& catalogueText,
                            size_t libraryRootLength,
                            int32_t category,
                            int32_t index,
                            const std::string& itemPath) {
    DeletePlan plan = {};
    const std::vector<CatalogueRecord> records =
        ParseCatalogue(catalogueText.data(), catalogueText.size(), libraryRootLength);
    const CatalogueRecord* removed = FindCategoryRecord(records, category, index);
    // Only the very record the palette shows may go, never whatever now stands in its place.
    if (!removed || removed->relativePath != itemPath)
        return plan;
    plan.matches = true;
    plan.remainingText = CutCatalogueRecord(catalogueText, *removed);
    plan.relativePath = removed->relativePath;
    plan.fileMayGo = IsLibraryImagePath(removed->relativePath);
    for (const CatalogueRecord& record : records) {
        if (&record != removed && record.Usable())
            plan.otherPaths.push_back(record.relativePath);
    }
    return plan;
}
