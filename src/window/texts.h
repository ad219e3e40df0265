#pragma once

#include <QString>

// The program's own texts, shown to the user as they stand.
namespace ajuste::texts {

inline constexpr const char* kCaption = "Ajuste de Curvas Exponenciales.";
inline constexpr const char* kMessageTitle = "Ajuste de Curvas Exponenciales";
inline constexpr const char* kOk = "Aceptar";

inline constexpr const char* kGraphButton = "Gráfica";
inline constexpr const char* kTableButton = "Tabla";

inline QString batchCaption(int passes)
{
    return QString("%1 pasos").arg(passes);
}

inline constexpr const char* kNoData = "no hay datos introducidos";
inline constexpr const char* kUseComma = "Utilice la coma";
inline constexpr const char* kOverflow = "Desbordamiento";

inline constexpr const char* kDataFileName = "datos.txt";
inline constexpr const char* kCannotSave = "No se pudo guardar datos.txt; no se ha cambiado nada en el disco.";
inline constexpr const char* kFileMissing = "No se encuentra el archivo datos.txt en esta carpeta.";
inline constexpr const char* kCannotRead = "No se pudo leer el archivo datos.txt.";
inline constexpr const char* kNotText = "datos.txt no es un archivo de datos de texto.";
inline constexpr const char* kBadCount = "El número de puntos de datos.txt no está entre 0 y 20.";
inline constexpr const char* kTruncated = "datos.txt tiene menos líneas de las que anuncia.";

inline constexpr const char* kOpenTitle = "Abrir";
inline constexpr const char* kSaveTitle = "Guardar como";

} // namespace ajuste::texts
