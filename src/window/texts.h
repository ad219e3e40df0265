#pragma once

#include "graph/world.h"

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
inline constexpr const char* kFileMissing = "No se encuentra el archivo datos.txt en esta carpeta.";

// What went wrong with a data file or a table, %1 naming it as the user
// knows it: the file's name, or kPastedText.
inline constexpr const char* kCannotSave = "No se pudo guardar %1; no se ha cambiado nada en el disco.";
inline constexpr const char* kFileNotFound = "No se encuentra el archivo %1.";
inline constexpr const char* kCannotRead = "No se pudo leer el archivo %1.";
inline constexpr const char* kNotText = "%1 no es un archivo de datos de texto.";
inline constexpr const char* kBadCount = "El número de puntos de %1 no está entre 0 y 20.";
inline constexpr const char* kTruncated = "%1 tiene menos líneas de las que anuncia.";
inline constexpr const char* kPastedText = "El texto pegado";
inline constexpr const char* kNotNumbers = "%1, línea %2: no es una fila de números; no se ha cargado nada.";
inline constexpr const char* kUnevenColumns =
    "%1, línea %2: no tiene tantas columnas como la primera; no se ha cargado nada.";
inline constexpr const char* kNotTwoColumns = "%1 no tiene dos columnas, t y f(t); no se ha cargado nada.";
inline constexpr const char* kNoRows = "%1 no tiene filas de números; no se ha cargado nada.";
inline constexpr const char* kTooLong = "El texto pasa de 1 MiB; no se ha cargado nada.";
inline QString columnsLeftOut(const QString& source, int columns)
{
    return QString("%1 tiene %2 columnas: se han tomado las dos primeras, t y f(t).").arg(source).arg(columns);
}
// A block that reads two ways: its first such number, then its two readings.
inline QString twoWays(const QString& source, int line, const QString& number, const QString& thousands,
                       const QString& decimals, bool period)
{
    return QString("%1, línea %2: %3 se puede leer como %4, con %5 de miles, o como %6, con %5 decimal. "
                   "¿Cómo se leen los números?")
        .arg(source).arg(line).arg(number, thousands, period ? "punto" : "coma", decimals);
}
inline constexpr const char* kAsThousands = "%1 (miles)";
inline constexpr const char* kAsDecimals = "%1 (decimales)";
inline constexpr const char* kCancel = "Cancelar";
inline QString rowsLeftOut(int taken, int left)
{
    return left == 1 ? QString("Se tomaron %1 filas; no se tomó la última.").arg(taken)
                     : QString("Se tomaron %1 filas; no se tomaron las últimas %2 filas.").arg(taken).arg(left);
}

// Why the graph cannot show the points.
inline QString noWorld(NoWorld reason)
{
    switch (reason) {
    case NoWorld::TooLarge: return "Hay valores más allá de ±1E+300: la gráfica no puede mostrarlos.";
    case NoWorld::TooSmall: return "Los puntos distan menos de 1E-300 entre sí: la gráfica no puede separarlos.";
    case NoWorld::NoPositivePoint: return "Ningún punto tiene f(t) mayor que 0: la escala logarítmica no puede mostrarlo.";
    }
    return {};
}

// The data table's menu.
inline constexpr const char* kPasteTable = "Pegar tabla";
inline constexpr const char* kPasteNewTable = "Pegar como tabla nueva";
inline constexpr const char* kCopyTable = "Copiar tabla";
inline constexpr const char* kOpen = "Abrir…";
inline constexpr const char* kSaveAs = "Guardar como…";
inline constexpr const char* kOpenFilters = "Tablas (*.txt *.csv *.tsv *.dat);;Todos los archivos (*)";
inline constexpr const char* kSaveFilters =
    "Datos (*.txt);;Tabla CSV (*.csv);;Tabla con tabuladores (*.tsv);;Todos los archivos (*)";

inline constexpr const char* kOpenTitle = "Abrir";
inline constexpr const char* kSaveTitle = "Guardar como";

inline constexpr const char* kCopyImage = "Copiar imagen";
inline constexpr const char* kSaveImage = "Guardar imagen…";
inline constexpr const char* kPrint = "Imprimir…";
inline constexpr const char* kCopyResults = "Copiar resultados";
inline constexpr const char* kLogScale = "Escala logarítmica";
inline constexpr const char* kFitViewToData = "Ajustar la vista a los datos";
inline QString hiddenPoints(int count)
{
    return count == 1 ? QString("1 punto con f(t) ≤ 0 no cabe en la escala logarítmica")
                      : QString("%1 puntos con f(t) ≤ 0 no caben en la escala logarítmica").arg(count);
}
inline constexpr const char* kCurveNotOnLog = "La curva no se dibuja: con a ≤ 0, f(t) ≤ 0 no cabe en la escala logarítmica";
inline constexpr const char* kImageFilters = "Imagen PNG (*.png);;Imagen SVG (*.svg);;Documento PDF (*.pdf)";
inline constexpr const char* kCannotSaveImage = "No se pudo guardar la imagen.";
inline constexpr const char* kCannotPrint = "No se pudo imprimir.";

// The figure's lines under the graph.
// A negative t0 reads as an addition: (t + 2), not (t − -2).
inline QString formula(const QString& a, const QString& c, const QString& t0)
{
    const bool negative = t0.startsWith('-');
    return QString("f(t) = %1·exp(%2·(t %3 %4))").arg(a, c, negative ? "+" : "−", negative ? t0.mid(1) : t0);
}
inline constexpr const char* kSquaredErrorLine = "Error cuadrático: %1";
inline constexpr const char* kNormalisedErrorLine = "Error normalizado: %1 %";

// The names of the copied results.
inline constexpr const char* kPointsResult = "Puntos";
inline constexpr const char* kSquaredErrorResult = "Error cuadrático";
inline constexpr const char* kNormalisedErrorResult = "Error normalizado (%)";

// The least-squares fit and its results.
inline constexpr const char* kBestFit = "Mejor ajuste";
inline constexpr const char* kResults = "Resultados…";
inline constexpr const char* kConfidenceBand = "Banda de confianza (95 %)";
inline constexpr const char* kResultsTitle = "Resultados del ajuste";
inline constexpr const char* kNothingToFit = "Los tres parámetros están fijos: no hay nada que ajustar.";
inline constexpr const char* kNoConvergence =
    "No se ha encontrado un mínimo del error desde los valores actuales ni desde los datos; no se ha cambiado nada.";
inline constexpr const char* kStartOverflows =
    "Con los valores actuales f(t) desborda en algún punto: use «Valores iniciales desde los datos» o un c más "
    "pequeño; no se ha cambiado nada.";
inline constexpr const char* kStartOverflowsOneSign =
    "Con los valores actuales f(t) desborda en algún punto, y los datos no dan valores iniciales: para eso todos los "
    "f(t) deben ser de un mismo signo. Pruebe con un c más pequeño; no se ha cambiado nada.";
inline constexpr const char* kNoMinimum =
    "Estos datos no tienen un mínimo del error: el error cuadrático sigue bajando a medida que c crece sin límite, "
    "así que una exponencial no los describe; no se ha cambiado nada.";
inline constexpr const char* kNoFitYet = "Aún no hay ajuste: use «Mejor ajuste».";
inline constexpr const char* kTooFewPoints = "Faltan puntos: hay %1 y hacen falta al menos %2 para ajustar %2 "
                                             "parámetros. Fije uno más o añada puntos; no se ha cambiado nada.";
inline constexpr const char* kTooFewPointsAAndT0 =
    "Con a y t0 libres solo queda determinado a·e^(−c·t0), que cuenta como un parámetro: hay %1 punto y hacen falta "
    "al menos 2 para ajustarlo junto con c. Fije c o añada puntos; no se ha cambiado nada.";
inline constexpr const char* kBeyondTheBars =
    "El óptimo (a = %1, c = %2, t0 = %3) queda fuera del alcance de las barras; no se ha cambiado nada.";
inline constexpr const char* kT0AsOrigin = "a y t0 no son independientes (solo a·e^(−c·t0) queda determinado): "
                                           "t0 se ha mantenido en %1 como origen de tiempos.";
inline constexpr const char* kStartResult = "Inicio";
inline constexpr const char* kFromCurrent = "valores actuales";
inline constexpr const char* kFromData = "valores iniciales desde los datos";
inline constexpr const char* kNoteResult = "Nota";
inline constexpr const char* kFixedValue = "%1 (fijo)";
inline constexpr const char* kOriginValue = "%1 (origen de tiempos)";
inline constexpr const char* kStandardError = "Error típico de %1";
inline constexpr const char* kInterval = "Intervalo del 95 % de %1";
inline constexpr const char* kIntervalValue = "%1 … %2";
inline constexpr const char* kTimeConstant = "Constante de tiempo, τ = −1/c";
inline constexpr const char* kGrowthTimeConstant = "Constante de tiempo de crecimiento, τ = 1/c";
inline constexpr const char* kHalfLife = "Semivida, t½ = ln 2/|c|";
inline constexpr const char* kDoublingTime = "Tiempo de duplicación, t₂ = ln 2/c";
inline constexpr const char* kCorrelation = "Correlación de %1 y %2";
inline constexpr const char* kDegreesOfFreedom = "Grados de libertad";
inline constexpr const char* kMissingPoints = "Sin incertidumbres: faltan puntos.";
inline constexpr const char* kDependent =
    "Sin incertidumbres: con estos datos los parámetros ajustados no son independientes.";
inline constexpr const char* kStale = "Estas cifras ya no son las del óptimo: algo ha cambiado desde el ajuste.";

// Starting values read off the data, and why there are none.
inline constexpr const char* kDataStart = "Valores iniciales desde los datos";
inline constexpr const char* kStartBeyondTheBars = "Los valores iniciales desde los datos (a = %1, c = %2, t0 = %3) "
                                                   "quedan fuera del alcance de las barras; no se ha cambiado nada.";
inline constexpr const char* kNoStartTooFewPoints = "Hacen falta al menos dos puntos del mismo signo en tiempos "
                                                    "distintos para estimar valores iniciales; no se ha cambiado nada.";
inline constexpr const char* kNoStartFixedA = "a está fijo en %1, que no es del signo de la mayoría de los puntos: "
                                              "no se pueden estimar valores iniciales; no se ha cambiado nada.";
inline constexpr const char* kNoStartOutOfRange =
    "Los valores iniciales que dan estos datos son demasiado grandes para calcularlos; no se ha cambiado nada.";

// The map of the squared error.
inline constexpr const char* kErrorMap = "Mapa del error…";
inline constexpr const char* kErrorMapTitle = "Mapa del error";
inline constexpr const char* kPlane = "Plano:";
inline constexpr const char* kPlaneName = "%1 y %2";
inline constexpr const char* kShowAll = "Ver todo";
inline constexpr const char* kShowRegion = "Ver la región de confianza";
// The fit's joint 95 % region on the plane: how far it reaches along each.
inline constexpr const char* kMapRegion = " Región de confianza del 95 % del óptimo: %1, %2.";
inline constexpr const char* kClearPath = "Borrar el camino";
inline constexpr const char* kMapError = "Error cuadrático";
inline constexpr const char* kMapOverflow = "Desbordamiento";
inline constexpr const char* kMapValue = "%1 = %2";
inline constexpr const char* kMapRange = "%1 de %2 a %3";
// Where the mouse is: the two values, then the error there.
inline constexpr const char* kMapPoint = "%1, %2; error cuadrático: %3";
inline constexpr const char* kMapName = "Mapa del error cuadrático sobre %1";
// The two ranges, the held value, then the current point.
inline constexpr const char* kMapDescription = "%1 y %2, con %3. Ahora %4.";

// The residuals of the curve.
inline constexpr const char* kResiduals = "Residuos…";
inline constexpr const char* kResidualsOfFit = "Residuos del mejor ajuste";
inline constexpr const char* kResidualsOfParameters = "Residuos con los parámetros actuales";
inline constexpr const char* kResidualAxis = "y − f(t)";
inline constexpr const char* kResidualsOverflow = "Desbordamiento: los residuos no se pueden calcular";
inline constexpr const char* kResidualColumns = "t\ty\tf(t)\ty − f(t)";

} // namespace ajuste::texts
