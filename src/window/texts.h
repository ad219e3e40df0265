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

inline constexpr const char* kCopyImage = "Copiar imagen";
inline constexpr const char* kSaveImage = "Guardar imagen…";
inline constexpr const char* kPrint = "Imprimir…";
inline constexpr const char* kCopyResults = "Copiar resultados";
inline constexpr const char* kImageFilters = "Imagen PNG (*.png);;Imagen SVG (*.svg);;Documento PDF (*.pdf)";
inline constexpr const char* kCannotSaveImage = "No se pudo guardar la imagen.";
inline constexpr const char* kCannotPrint = "No se pudo imprimir.";

// The figure's lines under the graph.
inline QString formula(const QString& a, const QString& c, const QString& t0)
{
    return QString("f(t) = %1·exp(%2·(t − %3))").arg(a, c, t0);
}
inline constexpr const char* kSquaredErrorLine = "Error cuadrático: %1";
inline constexpr const char* kNormalisedErrorLine = "Error normalizado: %1 %";

// The names of the copied results.
inline constexpr const char* kPointsResult = "Puntos";
inline constexpr const char* kSquaredErrorResult = "Error cuadrático";
inline constexpr const char* kNormalisedErrorResult = "Error normalizado (%)";

} // namespace ajuste::texts
