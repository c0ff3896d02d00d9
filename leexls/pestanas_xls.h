// Which sheet of an .xls workbook was active when it was last saved. FreeXL does not tell,
// so the workbook's global records are read here: the WINDOW1 record names the active tab
// and the BOUNDSHEET records say which tabs are worksheets.
#pragma once

#include <istream>
#include <optional>
#include <vector>

namespace leexls {

struct PestanasLibro {
    int pestanaActiva = 0;           // index among all tabs (WINDOW1)
    std::vector<bool> esHojaCalculo; // one per tab, in tab order (BOUNDSHEET)
};

// std::nullopt when the file is not a readable compound document with a workbook stream
// or records no active tab. Reads only the first part of the workbook stream.
std::optional<PestanasLibro> leePestanasXls(std::istream& libro);

// Maps the active tab onto the index of the worksheet that FreeXL gives, knowing how many
// worksheets FreeXL counts. std::nullopt when the mapping cannot be made.
std::optional<int> hojaActivaEntreHojas(const PestanasLibro& pestanas, int hojasFreexl);

} // namespace leexls
