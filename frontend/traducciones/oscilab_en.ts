<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>FicheroDipolo</name>
    <message>
        <source>No se puede leer el archivo %1.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>El archivo %1 ocupa más de 1 MB y no es un archivo de momento dipolar.</source>
        <translation>The file %1 is larger than 1 MB and is not a dipole-moment file.</translation>
    </message>
    <message>
        <source>La fila %1 del momento dipolar tiene un solo valor: escribe el otro o borra la fila.</source>
        <translation>Row %1 of the dipole moment has only one value: enter the other one or delete the row.</translation>
    </message>
    <message>
        <source>La fila %1 del momento dipolar no es válida: la distancia debe ser positiva y los dos valores, finitos.</source>
        <translation>Row %1 of the dipole moment is not valid: the distance must be positive and both values finite.</translation>
    </message>
    <message>
        <source>El momento dipolar necesita al menos dos puntos con distancias distintas.</source>
        <translation>The dipole moment needs at least two points at different distances.</translation>
    </message>
</context>
<context>
    <name>VistaDipolo</name>
    <message>
        <source>Ajuste: polinomio de grado %1 en (R − re), error cuadrático medio %2 D</source>
        <translation>Fit: polynomial of degree %1 in (R − re), rms error %2 D</translation>
    </message>
    <message>
        <source> (ningún grado baja de 1e-4 D)</source>
        <translation> (no degree gets below 1e-4 D)</translation>
    </message>
    <message>
        <source>Hacen falta al menos dos puntos con distancias distintas para el ajuste.</source>
        <translation>The fit needs at least two points at different distances.</translation>
    </message>
</context>
<context>
    <name>ayuda</name>
    <message>
        <source>No se puede mostrar la ayuda. No hay fichero de ayuda asociado a este proyecto.</source>
        <translation>The help cannot be shown. There is no help file for this program.</translation>
    </message>
    <message>
        <source>No se puede leer el fichero de ayuda %1.</source>
        <translation>The help file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>chequeo_datos</name>
    <message>
        <source>La distancia</source>
        <translation>The distance</translation>
    </message>
    <message>
        <source>La energía</source>
        <translation>The energy</translation>
    </message>
    <message>
        <source>%1 de la fila %2 no es un número: «%3».
Corrígela antes de guardar.</source>
        <translation>%1 in row %2 is not a number: “%3”.
Correct it before saving.</translation>
    </message>
    <message>
        <source>Debes introducir un título para el archivo</source>
        <translation>Enter a title for the file</translation>
    </message>
    <message>
        <source>Debes introducir la masa atómica del átomo1</source>
        <translation>Enter the atomic mass of atom 1</translation>
    </message>
    <message>
        <source>Debes introducir la masa atómica del átomo2</source>
        <translation>Enter the atomic mass of atom 2</translation>
    </message>
    <message>
        <source>Pocos puntos. Quizás no sean suficientes para hacer
significativo es ajuste minimo-cuadrático</source>
        <translation>Few points. They may not be enough for a
meaningful least-squares fit</translation>
    </message>
    <message>
        <source>El número de puntos es mínimo y la curva pasa por ellos</source>
        <translation>The number of points is the minimum: the curve passes through them</translation>
    </message>
    <message>
        <source>Para ajustar este polinomio hace falta como mínimo %1 puntos</source>
        <translation>Fitting this polynomial needs at least %1 points</translation>
    </message>
</context>
<context>
    <name>coherencia_resultado</name>
    <message>
        <source>es de otro fichero de datos</source>
        <translation>belongs to another data file</translation>
    </message>
    <message>
        <source>no tiene los %1 puntos del informe</source>
        <translation>does not have the report&apos;s %1 points</translation>
    </message>
    <message>
        <source>no tiene las potencias del informe</source>
        <translation>does not have the report&apos;s powers</translation>
    </message>
    <message>
        <source>sus coeficientes no son los del informe</source>
        <translation>its coefficients are not the report&apos;s</translation>
    </message>
</context>
<context>
    <name>comandos_documento</name>
    <message>
        <source>edición de la celda %1-%2</source>
        <translation>editing cell %1-%2</translation>
    </message>
    <message>
        <source>Distancia</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
</context>
<context>
    <name>curva</name>
    <message>
        <source>El fichero de la curva está incompleto: falta %1.</source>
        <translation>The curve file is incomplete: %1 is missing.</translation>
    </message>
    <message>
        <source>El fichero de la curva contiene un valor no numérico (&quot;%1&quot;) en lugar de %2.</source>
        <translation>The curve file holds a non-numeric value (&quot;%1&quot;) instead of %2.</translation>
    </message>
    <message>
        <source>El número de puntos del documento (%1) no es válido para leer el fichero de la curva.</source>
        <translation>The document&apos;s number of points (%1) is not valid for reading the curve file.</translation>
    </message>
    <message>
        <source>el punto %1</source>
        <translation>point %1</translation>
    </message>
    <message>
        <source>el coeficiente de R^%1</source>
        <translation>the coefficient of R^%1</translation>
    </message>
    <message>
        <source>el error de las energías</source>
        <translation>the energies&apos; error</translation>
    </message>
    <message>
        <source>la anchura de los niveles</source>
        <translation>the width of the levels</translation>
    </message>
    <message>
        <source>un nivel</source>
        <translation>a level</translation>
    </message>
    <message>
        <source>El fichero de la curva contiene más de %1 niveles; sólo se muestran los %1 primeros.</source>
        <translation>The curve file holds more than %1 levels; only the first %1 are shown.</translation>
    </message>
    <message>
        <source>No se puede leer el fichero de la curva %1.</source>
        <translation>The curve file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>destino_documento</name>
    <message>
        <source>Unidades</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la distancia</source>
        <translation>Choose the distance units</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la energía</source>
        <translation>Choose the energy units</translation>
    </message>
    <message>
        <source>La fila %1 de los datos leídos no es un punto: «%2» «%3».
No se ha importado nada.</source>
        <translation>Row %1 of the data read is not a point: “%2” “%3”.
Nothing has been imported.</translation>
    </message>
    <message>
        <source>El documento ya tiene %1 puntos.
¿Desea sustituirlos por los %2 puntos importados?</source>
        <translation>The document already has %1 points.
Replace them with the %2 imported points?</translation>
    </message>
    <message>
        <source>El momento dipolar ya tiene %1 puntos.
¿Desea sustituirlos por los %2 puntos importados?</source>
        <translation>The dipole moment already has %1 points.
Do you want to replace them with the %2 imported points?</translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Rama</source>
        <translation>Branch</translation>
    </message>
    <message>
        <source>I (cm/molécula)</source>
        <translation>I (cm/molecule)</translation>
    </message>
    <message>
        <source> (truncada: los niveles por encima de J = %1 aportarían más de 1e-4; aumente JMAX)</source>
        <translation> (truncated: the levels above J = %1 would add more than 1e-4; raise JMAX)</translation>
    </message>
    <message>
        <source>Especie</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Constante</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Valor (error típico)</source>
        <translation>Value (standard error)</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Error típico</source>
        <translation>Standard error</translation>
    </message>
    <message>
        <source>E dato (%1)</source>
        <translation>E data (%1)</translation>
    </message>
    <message>
        <source>E calculada (%1)</source>
        <translation>E calculated (%1)</translation>
    </message>
    <message>
        <source>E calculada − E dato (%1)</source>
        <translation>E calculated − E data (%1)</translation>
    </message>
    <message>
        <source>Valor singular</source>
        <translation>Singular value</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>usado</source>
        <translation>used</translation>
    </message>
    <message>
        <source>descartado</source>
        <translation>discarded</translation>
    </message>
    <message>
        <source>G(v) exacta (1/cm)</source>
        <translation>G(v) exact (1/cm)</translation>
    </message>
    <message>
        <source>G(v) fórmula (1/cm)</source>
        <translation>G(v) formula (1/cm)</translation>
    </message>
    <message>
        <source>Diferencia (1/cm)</source>
        <translation>Difference (1/cm)</translation>
    </message>
    <message>
        <source>Cerca de pared</source>
        <translation>Near the wall</translation>
    </message>
    <message>
        <source>Incertidumbre (1/cm)</source>
        <translation>Uncertainty (1/cm)</translation>
    </message>
    <message>
        <source>Extrapolado</source>
        <translation>Extrapolated</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Constante (1/cm)</source>
        <translation>Constant (1/cm)</translation>
    </message>
    <message>
        <source>Ajuste de G(v) a los niveles exactos</source>
        <translation>Fit of G(v) to the exact levels</translation>
    </message>
    <message>
        <source>Ajuste de G(v) a los niveles exactos v = %1</source>
        <translation>Fit of G(v) to the exact levels v = %1</translation>
    </message>
    <message>
        <source>Del informe (perturbativa)</source>
        <translation>From the report (perturbative)</translation>
    </message>
    <message>
        <source>De (distorsión centrífuga)</source>
        <translation>De (centrifugal distortion)</translation>
    </message>
    <message>
        <source>Magnitud</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Incertidumbre</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>V∞ (asíntota)</source>
        <translation>V∞ (asymptote)</translation>
    </message>
    <message>
        <source>De = V∞ − V(re) (profundidad del pozo)</source>
        <translation>De = V∞ − V(re) (well depth)</translation>
    </message>
    <message>
        <source>Sin energía de disociación: la curva no sube hacia una asíntota en la distancia más larga de los datos.</source>
        <translation>No dissociation energy: the curve does not rise towards an asymptote at the data&apos;s longest distance.</translation>
    </message>
    <message>
        <source>Los datos llegan casi a la disociación: De y D0 salen de los puntos, con la cola −Cn/R^n solo para el último tramo.</source>
        <translation>The data nearly reach dissociation: De and D0 come from the points, with the −Cn/R^n tail only for the last stretch.</translation>
    </message>
    <message>
        <source>Los datos no llegan a la disociación: De y D0 están extrapolados con la cola −Cn/R^n y pueden estar muy lejos del valor real; la incertidumbre dice cuánto cambian con otra cola.</source>
        <translation>The data do not reach dissociation: De and D0 are extrapolated with the −Cn/R^n tail and may be far from the true value; the uncertainty tells how much they change with another tail.</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>v = %1: ligado solo para J = %2.
</source>
        <translation>v = %1: bound only for J = %2.
</translation>
    </message>
    <message>
        <source>Y %1 valores de v más.
</source>
        <translation>And %1 more values of v.
</translation>
    </message>
    <message>
        <source>El informe cuenta %1 niveles de vibración con la fórmula de segundo orden, mientras G(v) crece; aquí se listan los %2 niveles exactos (J = 0) ligados dentro del intervalo de distancias de los datos.</source>
        <translation>The report counts %1 vibrational levels with the second-order formula, while G(v) increases; listed here are the %2 exact bound levels (J = 0) within the data&apos;s distance range.</translation>
    </message>
    <message>
        <source>El residuo cuadrático medio del ajuste (%1 %2) supera el 1 % del intervalo de energías de los datos (%3 %2).</source>
        <translation>The fit&apos;s root-mean-square residual (%1 %2) exceeds 1 % of the data&apos;s energy range (%3 %2).</translation>
    </message>
    <message>
        <source>La distancia de equilibrio (%1 %2) queda fuera del intervalo de distancias de los datos (%3 a %4 %2): es una extrapolación.</source>
        <translation>The equilibrium distance (%1 %2) lies outside the data&apos;s distance range (%3 to %4 %2): it is an extrapolation.</translation>
    </message>
    <message>
        <source>R interior (%1)</source>
        <translation>R inner (%1)</translation>
    </message>
    <message>
        <source>R exterior (%1)</source>
        <translation>R outer (%1)</translation>
    </message>
</context>
<context>
    <name>diagnostico</name>
    <message>
        <source>Intervalo demasiado corto. El ajuste puede ser inadecuado</source>
        <translation>Range too short. The fit may be inadequate</translation>
    </message>
    <message>
        <source>Los datos no están bien equilibrados. El ajuste puede ser inadecuado</source>
        <translation>The data are not well balanced. The fit may be inadequate</translation>
    </message>
    <message>
        <source>Demasiado error en las energías. El ajuste puede ser inadecuado</source>
        <translation>Too much error in the energies. The fit may be inadequate</translation>
    </message>
</context>
<context>
    <name>dialogo_tamano</name>
    <message>
        <source>Tamaño de la imagen</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>&amp;Ancho:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>A&amp;lto:</source>
        <translation>&amp;Height:</translation>
    </message>
</context>
<context>
    <name>ejecucion</name>
    <message>
        <source>No se puede borrar el fichero de resultados anterior %1; no se ejecuta el cálculo.</source>
        <translation>The previous results file %1 cannot be deleted; the calculation is not run.</translation>
    </message>
    <message>
        <source>El fichero de resultados %1 no corresponde al cálculo que se acaba de hacer (%2); no se muestran sus resultados.</source>
        <translation>The results file %1 does not belong to the calculation just made (%2); its results are not shown.</translation>
    </message>
    <message>
        <source>Debes guardar el documento antes de ejecutar el cálculo.</source>
        <translation>Save the document before running the calculation.</translation>
    </message>
    <message>
        <source>El fichero de datos %1 debe tener la extensión &quot;.qvd&quot; para ejecutar el cálculo. Guárdalo con &quot;Guardar como...&quot;.</source>
        <translation>The data file %1 must have the extension &quot;.qvd&quot; to run the calculation. Save it with &quot;Save as...&quot;.</translation>
    </message>
    <message>
        <source>El fichero de datos %1 no está en la carpeta de datos del programa. Para ejecutar el cálculo, guárdalo con &quot;Guardar como...&quot; en la carpeta %2</source>
        <translation>The data file %1 is not in the program&apos;s data folder. To run the calculation, save it with &quot;Save as...&quot; in the folder %2</translation>
    </message>
    <message>
        <source>El programa de cálculo no admite el nombre del fichero %1: no puede acabar en blanco ni pasar de %2 caracteres. Guárdalo con otro nombre con &quot;Guardar como...&quot;.</source>
        <translation>The calculation program does not accept the file name %1: it cannot end in a blank or exceed %2 characters. Save it under another name with &quot;Save as...&quot;.</translation>
    </message>
    <message>
        <source>No se ha podido iniciar el programa de cálculo %1: %2</source>
        <translation>The calculation program %1 could not be started: %2</translation>
    </message>
    <message>
        <source>El programa de cálculo se ha detenido a petición del usuario; el cálculo no se ha completado.</source>
        <translation>The calculation program was stopped at the user&apos;s request; the calculation is not complete.</translation>
    </message>
    <message>
        <source>El programa de cálculo ha terminado de forma anormal; el cálculo no se ha completado.</source>
        <translation>The calculation program ended abnormally; the calculation is not complete.</translation>
    </message>
    <message>
        <source>El programa de cálculo ha terminado con un error (código %1); el cálculo no se ha completado.</source>
        <translation>The calculation program ended with an error (code %1); the calculation is not complete.</translation>
    </message>
    <message>
        <source>El programa de cálculo no ha escrito %1; no hay resultados que mostrar.</source>
        <translation>The calculation program did not write %1; there are no results to show.</translation>
    </message>
    <message>
        <source>el informe de resultados</source>
        <translation>the results report</translation>
    </message>
    <message>
        <source>el fichero de la curva</source>
        <translation>the curve file</translation>
    </message>
    <message>
        <source>Mensajes del programa de cálculo:</source>
        <translation>Messages from the calculation program:</translation>
    </message>
</context>
<context>
    <name>elementos</name>
    <message>
        <source>Hidrógeno</source>
        <translation>Hydrogen</translation>
    </message>
    <message>
        <source>Hélio</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Litio</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Berilio</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boro</source>
        <translation>Boron</translation>
    </message>
    <message>
        <source>Carbono</source>
        <translation>Carbon</translation>
    </message>
    <message>
        <source>Nitrógeno</source>
        <translation>Nitrogen</translation>
    </message>
    <message>
        <source>Oxígeno</source>
        <translation>Oxygen</translation>
    </message>
    <message>
        <source>Flúor</source>
        <translation>Fluorine</translation>
    </message>
    <message>
        <source>Neón</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicio</source>
        <translation>Silicon</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Phosphorus</translation>
    </message>
    <message>
        <source>Azufre</source>
        <translation>Sulfur</translation>
    </message>
    <message>
        <source>Cloro</source>
        <translation>Chlorine</translation>
    </message>
    <message>
        <source>Argón</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potásio</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Escandio</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanio</source>
        <translation>Titanium</translation>
    </message>
    <message>
        <source>Vanadio</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Cromo</source>
        <translation>Chromium</translation>
    </message>
    <message>
        <source>Manganeso</source>
        <translation>Manganese</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Cobalto</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Níquel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Cinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Galio</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanio</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsénico</source>
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenio</source>
        <translation>Selenium</translation>
    </message>
    <message>
        <source>Bromo</source>
        <translation>Bromine</translation>
    </message>
    <message>
        <source>Kriptón</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidio</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Estroncio</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Itrio</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Circonio</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobio</source>
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molibdeno</source>
        <translation>Molybdenum</translation>
    </message>
    <message>
        <source>Tecnecio</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Rutenio</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rodio</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Paladio</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Plata</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Cadmio</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indio</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Estaño</source>
        <translation>Tin</translation>
    </message>
    <message>
        <source>Antimonio</source>
        <translation>Antimony</translation>
    </message>
    <message>
        <source>Telurio</source>
        <translation>Tellurium</translation>
    </message>
    <message>
        <source>Yodo</source>
        <translation>Iodine</translation>
    </message>
    <message>
        <source>Xenón</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesio</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Bario</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lantano</source>
        <translation>Lanthanum</translation>
    </message>
    <message>
        <source>Cerio</source>
        <translation>Cerium</translation>
    </message>
    <message>
        <source>Praseodimio</source>
        <translation>Praseodymium</translation>
    </message>
    <message>
        <source>Neodimio</source>
        <translation>Neodymium</translation>
    </message>
    <message>
        <source>Prometio</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samario</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europio</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinio</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbio</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Disprosio</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmio</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbio</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Tulio</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Yterbio</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutecio</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnio</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tántalo</source>
        <translation>Tantalum</translation>
    </message>
    <message>
        <source>Volframio</source>
        <translation>Tungsten</translation>
    </message>
    <message>
        <source>Renio</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmio</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridio</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platino</source>
        <translation>Platinum</translation>
    </message>
    <message>
        <source>Oro</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Talio</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Bismuto</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polonio</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astato</source>
        <translation>Astatine</translation>
    </message>
    <message>
        <source>Radón</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francio</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinio</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Torio</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinio</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranio</source>
        <translation>Uranium</translation>
    </message>
    <message>
        <source>Neptunio</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonio</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americio</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curio</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelio</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californio</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einstenio</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermio</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevio</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelio</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencio</source>
        <translation>Lawrencium</translation>
    </message>
</context>
<context>
    <name>explorador_logica</name>
    <message>
        <source> sin </source>
        <translation> without </translation>
    </message>
    <message>
        <source> (documento)</source>
        <translation> (document)</translation>
    </message>
    <message>
        <source>Elija primero las unidades de distancia y de energía.</source>
        <translation>First choose the distance and energy units.</translation>
    </message>
    <message>
        <source>Escriba primero las masas de los dos átomos: sin ellas no hay constantes moleculares.</source>
        <translation>First enter the masses of the two atoms: without them there are no molecular constants.</translation>
    </message>
    <message>
        <source>Hacen falta al menos %1 puntos para comparar conjuntos de potencias; la tabla tiene %2.</source>
        <translation>Comparing sets of powers needs at least %1 points; the table has %2.</translation>
    </message>
    <message>
        <source>N.º</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Potencias</source>
        <translation>Powers</translation>
    </message>
    <message>
        <source>√(PRESS/N) (%1)</source>
        <translation>√(PRESS/N) (%1)</translation>
    </message>
    <message>
        <source>rms (%1)</source>
        <translation>rms (%1)</translation>
    </message>
    <message>
        <source>Desc.</source>
        <translation>Disc.</translation>
    </message>
    <message>
        <source>re (%1)</source>
        <translation>re (%1)</translation>
    </message>
    <message>
        <source>ωe (cm⁻¹)</source>
        <translation>ωe (cm⁻¹)</translation>
    </message>
    <message>
        <source>ωexe (cm⁻¹)</source>
        <translation>ωexe (cm⁻¹)</translation>
    </message>
    <message>
        <source>Be (cm⁻¹)</source>
        <translation>Be (cm⁻¹)</translation>
    </message>
    <message>
        <source>αe (cm⁻¹)</source>
        <translation>αe (cm⁻¹)</translation>
    </message>
    <message>
        <source> modelo</source>
        <translation> model</translation>
    </message>
    <message>
        <source>Incertidumbre de modelo, entre los %1 conjuntos con √(PRESS/N) hasta %2 veces el del mejor (media y desviación con pesos exp(−AICc/2)): %3.</source>
        <translation>Model uncertainty, over the %1 sets with √(PRESS/N) up to %2 times the best one&apos;s (mean and deviation with weights exp(−AICc/2)): %3.</translation>
    </message>
    <message>
        <source>Con %1 puntos (menos de %2), el error al predecir cada punto sin él dice poco de un conjunto de potencias: la lista incluye también el conjunto del documento y los ajustes exactos, con tantas potencias como puntos.</source>
        <translation>With %1 points (fewer than %2), the error in predicting each point without it says little about a set of powers: the list also includes the document&apos;s set and the exact fits, with as many powers as points.</translation>
    </message>
</context>
<context>
    <name>exportar_grafico</name>
    <message>
        <source>El nombre del fichero debe terminar en .png, .svg o .pdf</source>
        <translation>The file name must end in .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>El tamaño debe estar entre %1 y %2 píxeles por lado</source>
        <translation>The size must be between %1 and %2 pixels a side</translation>
    </message>
    <message>
        <source>No se ha podido escribir el gráfico %1 en %2</source>
        <translation>The plot %1 could not be written to %2</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>filas_hoja</name>
    <message>
        <source>Ninguna fila tiene un número en sus dos primeras columnas.</source>
        <translation>No row has a number in its first two columns.</translation>
    </message>
    <message>
        <source>Hay más de %1 puntos: la tabla admite %1.</source>
        <translation>There are more than %1 points: the table holds %1.</translation>
    </message>
</context>
<context>
    <name>formato_numeros</name>
    <message>
        <source>Infinito</source>
        <translation>Infinity</translation>
    </message>
</context>
<context>
    <name>grafico_curva</name>
    <message>
        <source>Advertencia</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>importacion</name>
    <message>
        <source>Importar datos</source>
        <translation>Import data</translation>
    </message>
    <message>
        <source>Seleccion cancelada</source>
        <translation>Selection cancelled</translation>
    </message>
    <message>
        <source>Se ha producido un error al abrir el archivo</source>
        <translation>An error occurred while opening the file</translation>
    </message>
    <message>
        <source>Importar datos separados por %1</source>
        <translation>Import data separated by %1</translation>
    </message>
    <message>
        <source>Hojas de cálculo (*.xls *.xlsx *.ods);;Archivos de Excel (*.xls *.xlsx);;Hojas de cálculo OpenDocument (*.ods)</source>
        <translation>Spreadsheets (*.xls *.xlsx *.ods);;Excel files (*.xls *.xlsx);;OpenDocument spreadsheets (*.ods)</translation>
    </message>
    <message>
        <source>Archivos de texto y datos (*.txt *.csv *.dat);;Todos los archivos (*)</source>
        <translation>Text and data files (*.txt *.csv *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal (es una carpeta, una tubería o un dispositivo).</source>
        <translation>%1 is not a regular file (it is a folder, a pipe or a device).</translation>
    </message>
</context>
<context>
    <name>importar_csv</name>
    <message>
        <source>No se puede abrir: %1.</source>
        <translation>It cannot be opened: %1.</translation>
    </message>
    <message>
        <source>No se puede leer: %1.</source>
        <translation>It cannot be read: %1.</translation>
    </message>
    <message>
        <source>El registro %1 está dañado: unas comillas sin cerrar o un campo de más de %2 caracteres.</source>
        <translation>Record %1 is damaged: an unclosed quote or a field of more than %2 characters.</translation>
    </message>
    <message>
        <source>Pasa de %1 bytes sin que acaben los puntos.</source>
        <translation>It exceeds %1 bytes before the points end.</translation>
    </message>
</context>
<context>
    <name>importar_excel</name>
    <message>
        <source>El lector de libros .xls no ha terminado en %1 s.</source>
        <translation>The .xls workbook reader did not finish within %1 s.</translation>
    </message>
    <message>
        <source>No se puede iniciar el lector de libros .xls %1.</source>
        <translation>The .xls workbook reader %1 cannot be started.</translation>
    </message>
    <message>
        <source>El lector de libros .xls ha fallado al leerlo (se ha detenido, ha pasado de sus límites o no lo reconoce).</source>
        <translation>The .xls workbook reader failed to read it (it stopped, exceeded its limits or does not recognise it).</translation>
    </message>
    <message>
        <source>El lector de libros .xls ha dado una respuesta ilegible.</source>
        <translation>The .xls workbook reader gave an unreadable answer.</translation>
    </message>
    <message>
        <source>No es un libro .xls legible, o su hoja activa no se puede leer.</source>
        <translation>It is not a readable .xls workbook, or its active sheet cannot be read.</translation>
    </message>
    <message>
        <source>La celda %1%2 de la hoja activa no se puede leer.</source>
        <translation>Cell %1%2 of the active sheet cannot be read.</translation>
    </message>
    <message>
        <source>La lectura del libro .xls se ha detenido a petición del usuario.</source>
        <translation>Reading the .xls workbook was stopped at the user&apos;s request.</translation>
    </message>
</context>
<context>
    <name>importar_ods</name>
    <message>
        <source>La parte content.xml falta, es demasiado grande o está dañada.</source>
        <translation>The content.xml part is missing, too large or damaged.</translation>
    </message>
    <message>
        <source>La hoja «%1» de content.xml está dañada (XML incorrecto o una celda ilegible, cerca de la línea %2 de esa parte).</source>
        <translation>Sheet “%1” of content.xml is damaged (malformed XML or an unreadable cell, near line %2 of that part).</translation>
    </message>
    <message>
        <source>La parte content.xml está dañada: %1 (línea %2).</source>
        <translation>The content.xml part is damaged: %1 (line %2).</translation>
    </message>
    <message>
        <source>No es una hoja .ods: el archivo zip no se puede leer o está incompleto.</source>
        <translation>It is not an .ods spreadsheet: the zip file cannot be read or is incomplete.</translation>
    </message>
    <message>
        <source>La parte settings.xml está dañada: no dice qué hoja está activa.</source>
        <translation>The settings.xml part is damaged: it does not say which sheet is active.</translation>
    </message>
    <message>
        <source>content.xml no tiene ninguna hoja.</source>
        <translation>content.xml has no sheet.</translation>
    </message>
</context>
<context>
    <name>importar_texto</name>
    <message>
        <source>Línea %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>no se puede leer</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>la tabla admite %1 puntos como máximo</source>
        <translation>the table holds at most %1 points</translation>
    </message>
    <message>
        <source>está vacía</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>«%1» no tiene dos valores separados por «%2»</source>
        <translation>“%1” does not have two values separated by “%2”</translation>
    </message>
</context>
<context>
    <name>importar_xlsx</name>
    <message>
        <source>No es un libro .xlsx: el archivo zip no se puede leer o está incompleto.</source>
        <translation>It is not an .xlsx workbook: the zip file cannot be read or is incomplete.</translation>
    </message>
    <message>
        <source>La parte xl/workbook.xml falta, está dañada o no nombra ninguna hoja.</source>
        <translation>The xl/workbook.xml part is missing, damaged or names no sheet.</translation>
    </message>
    <message>
        <source>La parte xl/_rels/workbook.xml.rels falta, está dañada o no sitúa la hoja activa.</source>
        <translation>The xl/_rels/workbook.xml.rels part is missing, damaged or does not locate the active sheet.</translation>
    </message>
    <message>
        <source>La hoja %1 falta, es demasiado grande o está dañada (XML incorrecto, filas desordenadas o pasadas de la %2, una celda ilegible).</source>
        <translation>Sheet %1 is missing, too large or damaged (malformed XML, rows out of order or beyond row %2, an unreadable cell).</translation>
    </message>
    <message>
        <source>Las cadenas compartidas (%1) faltan, están dañadas o no tienen el texto de una celda.</source>
        <translation>The shared strings (%1) are missing, damaged or lack the text of a cell.</translation>
    </message>
    <message>
        <source>La hoja %1 tiene más de %2 filas con datos.</source>
        <translation>Sheet %1 has more than %2 rows of data.</translation>
    </message>
</context>
<context>
    <name>impresion</name>
    <message>
        <source>Impresora</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>¿Quiere imprimir los resultados con el gráfico?</source>
        <translation>Print the results with the plot?</translation>
    </message>
    <message>
        <source>Guardar el informe en PDF</source>
        <translation>Save the report as PDF</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>El fichero %1 ya existe. ¿Desea reemplazarlo?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>No se ha podido imprimir el informe.</source>
        <translation>The report could not be printed.</translation>
    </message>
</context>
<context>
    <name>impresion_maqueta</name>
    <message>
        <source>Programa OSCILAB     Versión: Septiembre 2002</source>
        <translation>OSCILAB program     Version: September 2002</translation>
    </message>
    <message>
        <source>Archivo: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>     Fecha: </source>
        <translation>     Date: </translation>
    </message>
    <message>
        <source>Página: </source>
        <translation>Page: </translation>
    </message>
</context>
<context>
    <name>isotopos</name>
    <message>
        <source>No se pueden leer los datos de isótopos %1</source>
        <translation>The isotope data %1 cannot be read</translation>
    </message>
    <message>
        <source>Los datos de isótopos %1 no se pueden leer (línea %2): %3</source>
        <translation>The isotope data %1 cannot be read (line %2): %3</translation>
    </message>
</context>
<context>
    <name>lector_xls</name>
    <message>
        <source>Leyendo el libro .xls...</source>
        <translation>Reading the .xls workbook...</translation>
    </message>
    <message>
        <source>Detener</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>lectura_documento</name>
    <message>
        <source>el archivo termina antes de la línea de %1</source>
        <translation>the file ends before the line of %1</translation>
    </message>
    <message>
        <source>«%1» no es una potencia entera de %2 a %3</source>
        <translation>“%1” is not a whole power from %2 to %3</translation>
    </message>
    <message>
        <source>se esperaban las dos masas atómicas</source>
        <translation>the two atomic masses were expected</translation>
    </message>
    <message>
        <source>se esperaban las unidades (UA o Angstrom, UA o eV)</source>
        <translation>the units were expected (UA or Angstrom, UA or eV)</translation>
    </message>
    <message>
        <source>Línea %1: %2.</source>
        <translation>Line %1: %2.</translation>
    </message>
    <message>
        <source>no es texto: el archivo no es un documento</source>
        <translation>it is not text: the file is not a document</translation>
    </message>
    <message>
        <source>el archivo está vacío</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>se esperaba un punto, dos números R V</source>
        <translation>a point was expected, two numbers R V</translation>
    </message>
    <message>
        <source>hay más de %1 puntos</source>
        <translation>there are more than %1 points</translation>
    </message>
</context>
<context>
    <name>masas_atomos</name>
    <message>
        <source>Peso atómico estándar: %1 u</source>
        <translation>Standard atomic weight: %1 u</translation>
    </message>
    <message>
        <source>
Masa atómica: </source>
        <translation>
Atomic mass: </translation>
    </message>
    <message>
        <source>
Peso atómico estándar: %1 u</source>
        <translation>
Standard atomic weight: %1 u</translation>
    </message>
    <message>
        <source>
Sin isótopos estables</source>
        <translation>
No stable isotopes</translation>
    </message>
</context>
<context>
    <name>oscilab::Calculo</name>
    <message>
        <source>El programa de cálculo no ha escrito un fichero de resultados legible; no hay resultados que mostrar.</source>
        <translation>The calculation program did not write a readable results file; there are no results to show.</translation>
    </message>
</context>
<context>
    <name>oscilab::Documento</name>
    <message>
        <source>cambio de título</source>
        <translation>title change</translation>
    </message>
    <message>
        <source>cambio de masa</source>
        <translation>mass change</translation>
    </message>
    <message>
        <source>elección de átomo</source>
        <translation>atom choice</translation>
    </message>
    <message>
        <source>cambio de unidades</source>
        <translation>units change</translation>
    </message>
    <message>
        <source>cambio de potencias</source>
        <translation>powers change</translation>
    </message>
    <message>
        <source>importación</source>
        <translation>import</translation>
    </message>
    <message>
        <source>inserción de una fila</source>
        <translation>row insertion</translation>
    </message>
    <message>
        <source>ordenación de los puntos</source>
        <translation>sorting of the points</translation>
    </message>
    <message>
        <source>eliminación de una fila</source>
        <translation>row deletion</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal; no se puede abrir.</source>
        <translation>%1 is not a regular file; it cannot be opened.</translation>
    </message>
    <message>
        <source>El archivo %1 ocupa más de 1 MB y no es un documento de OSCILAB.</source>
        <translation>The file %1 takes more than 1 MB and is not an OSCILAB document.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Debes escribir un título</source>
        <translation>Enter a title</translation>
    </message>
    <message>
        <source>El título contiene el carácter «%1», que el archivo de datos no puede guardar. Cámbialo antes de guardar.</source>
        <translation>The title contains the character “%1”, which the data file cannot store. Change it before saving.</translation>
    </message>
    <message>
        <source>Debes introducir la masa del átomo %1</source>
        <translation>Enter the mass of atom %1</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la distancia</source>
        <translation>Choose the distance units</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la energía</source>
        <translation>Choose the energy units</translation>
    </message>
    <message>
        <source>Ha ocurrido un error al intentar guardar el fichero </source>
        <translation>An error occurred while saving the file </translation>
    </message>
    <message>
        <source>edición del momento dipolar</source>
        <translation>dipole-moment edit</translation>
    </message>
    <message>
        <source>cambio de unidad del momento dipolar</source>
        <translation>dipole-moment unit change</translation>
    </message>
    <message>
        <source>importación del momento dipolar</source>
        <translation>dipole-moment import</translation>
    </message>
    <message>
        <source>No se han cargado los puntos del momento dipolar.
%1
El archivo se conserva tal como está; el resto del documento se ha abierto.</source>
        <translation>The dipole-moment points were not loaded.
%1
The file is kept as it is; the rest of the document has been opened.</translation>
    </message>
    <message>
        <source>Ha ocurrido un error al intentar guardar el fichero %1</source>
        <translation>An error occurred while saving the file %1</translation>
    </message>
    <message>
        <source>No se puede borrar el fichero de momento dipolar %1, que ya no tiene puntos.</source>
        <translation>The dipole-moment file %1, which no longer has points, cannot be deleted.</translation>
    </message>
    <message>
        <source>El archivo %1 no es un documento de OSCILAB.</source>
        <translation>The file %1 is not an OSCILAB document.</translation>
    </message>
</context>
<context>
    <name>oscilab::EleccionIsotopos</name>
    <message>
        <source>Una sola curva sirve a todas las especies isotópicas: cada fila usa los coeficientes del ajuste con su masa reducida. Las razones se dan respecto de la primera fila, junto a lo que predice la masa.</source>
        <translation>One curve serves every isotopic species: each row uses the fit&apos;s coefficients with its own reduced mass. The ratios are given relative to the first row, beside what the mass predicts.</translation>
    </message>
    <message>
        <source>Átomo %1</source>
        <translation>Atom %1</translation>
    </message>
</context>
<context>
    <name>oscilab::GraficoCurva</name>
    <message>
        <source>Gráfica de la curva</source>
        <translation>Plot of the curve</translation>
    </message>
</context>
<context>
    <name>oscilab::GraficoPress</name>
    <message>
        <source>√(PRESS/N) de cada candidato por orden</source>
        <translation>√(PRESS/N) of each candidate in rank order</translation>
    </message>
    <message>
        <source>√(PRESS/N) (%1), escala logarítmica</source>
        <translation>√(PRESS/N) (%1), logarithmic scale</translation>
    </message>
</context>
<context>
    <name>oscilab::MarcoGrafica</name>
    <message>
        <source>Marco de la gráfica</source>
        <translation>Plot frame</translation>
    </message>
</context>
<context>
    <name>oscilab::ModeloDipolo</name>
    <message>
        <source>R (bohr)</source>
        <translation>R (bohr)</translation>
    </message>
    <message>
        <source>R (Å)</source>
        <translation>R (Å)</translation>
    </message>
    <message>
        <source>μ (u.a.)</source>
        <translation>μ (a.u.)</translation>
    </message>
    <message>
        <source>μ (D)</source>
        <translation>μ (D)</translation>
    </message>
</context>
<context>
    <name>oscilab::ModeloPuntos</name>
    <message>
        <source>Distancia</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
</context>
<context>
    <name>oscilab::TablaDetalles</name>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Exportar CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Texto CSV (*.csv)</source>
        <translation>CSV text (*.csv)</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero %1.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>oscilab::TablaPeriodica</name>
    <message>
        <source>Tabla Periódica</source>
        <translation>Periodic Table</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Masa atómica:</source>
        <translation>Atomic mass:</translation>
    </message>
    <message>
        <source>Carga nuclear:</source>
        <translation>Nuclear charge:</translation>
    </message>
</context>
<context>
    <name>oscilab::VentanaAyuda</name>
    <message>
        <source>Ayuda de OSCILAB</source>
        <translation>OSCILAB Help</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>oscilab::frmSplash</name>
    <message>
        <source>Curva de energía potencial</source>
        <translation>Potential-energy curve</translation>
    </message>
    <message>
        <source>Universidad de Brenava</source>
        <translation>University of Brenava</translation>
    </message>
    <message>
        <source>Programa para calcular las propiedades
de vibración de las moléculas diatómicas</source>
        <translation>A program to compute the vibrational
properties of diatomic molecules</translation>
    </message>
    <message>
        <source>Realizado por:</source>
        <translation>Written by:</translation>
    </message>
    <message>
        <source>Icono de OSCILAB</source>
        <translation>OSCILAB icon</translation>
    </message>
</context>
<context>
    <name>oscilab::frmacercade</name>
    <message>
        <source>Curva de energía potencial</source>
        <translation>Potential-energy curve</translation>
    </message>
    <message>
        <source>Acerca de </source>
        <translation>About </translation>
    </message>
    <message>
        <source>Versión 1.5 para Windows 98/2000/XP</source>
        <translation>Version 1.5 for Windows 98/2000/XP</translation>
    </message>
    <message>
        <source>Programa para calcular las propiedades
de vibración de las moléculas diatómicas</source>
        <translation>A program to compute the vibrational
properties of diatomic molecules</translation>
    </message>
    <message>
        <source>Realizado por</source>
        <translation>Written by</translation>
    </message>
    <message>
        <source>Masas isotópicas:
</source>
        <translation>Isotopic masses:
</translation>
    </message>
    <message>
        <source>, licencia MIT)</source>
        <translation>, MIT licence)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Información</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>La información del sistema no se puede mostrar en este momento</source>
        <translation>The system information cannot be shown at the moment</translation>
    </message>
</context>
<context>
    <name>oscilab::frmajuste</name>
    <message>
        <source>Potencias incluidas en el ajuste</source>
        <translation>Powers included in the fit</translation>
    </message>
    <message>
        <source>Potencia %1</source>
        <translation>Power %1</translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Explorar ajustes...</source>
        <translation>Fit explorer...</translation>
    </message>
</context>
<context>
    <name>oscilab::frmcurvi</name>
    <message>
        <source>Importar datos separados por %1</source>
        <translation>Import data separated by %1</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la distancia</source>
        <translation>Choose the distance units</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la energía</source>
        <translation>Choose the energy units</translation>
    </message>
    <message>
        <source>(Sin Título)</source>
        <translation>(Untitled)</translation>
    </message>
    <message>
        <source>&amp;Archivos</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>G&amp;uardar como...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ay&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A&amp;cerca de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Barra de herramientas</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Nuevo Archivo</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>Abrir Archivo</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Guardar Archivo</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Título</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Comentario / Título del archivo de datos</source>
        <translation>Comment / Title of the data file</translation>
    </message>
    <message>
        <source>Masas Atómicas</source>
        <translation>Atomic Masses</translation>
    </message>
    <message>
        <source>Atomo %1:</source>
        <translation>Atom %1:</translation>
    </message>
    <message>
        <source>Haz click en esta casilla y seleccina un átomo de la tabla periódica.</source>
        <translation>Click in this box and choose an atom from the periodic table.</translation>
    </message>
    <message>
        <source>UMAS</source>
        <translation>AMU</translation>
    </message>
    <message>
        <source>Datos</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>En esta casilla se introducen los datos de la tabla adjunta</source>
        <translation>Type the data of the table beside into this box</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tabla de puntos</source>
        <translation>Table of points</translation>
    </message>
    <message>
        <source>Importar datos de Excel</source>
        <translation>Import data from Excel</translation>
    </message>
    <message>
        <source>Importar datos separados</source>
        <translation>Import separated data</translation>
    </message>
    <message>
        <source>Separador</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Inserta nuevos puntos</source>
        <translation>Insert new points</translation>
    </message>
    <message>
        <source>Elimina puntos existentes</source>
        <translation>Delete existing points</translation>
    </message>
    <message>
        <source>Distancia</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>U.A.</source>
        <translation>A.U.</translation>
    </message>
    <message>
        <source>ANGSTROM</source>
        <translation>ANGSTROM</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>e.V.</source>
        <translation>e.V.</translation>
    </message>
    <message>
        <source>Tipo de ajuste</source>
        <translation>Fit type</translation>
    </message>
    <message>
        <source>Cambiar tipo de ajuste</source>
        <translation>Change fit type</translation>
    </message>
    <message>
        <source>Ejecuta el programa de cálculo</source>
        <translation>Runs the calculation program</translation>
    </message>
    <message>
        <source>Archivos de datos (*.qvd);;Todos los archivos (*)</source>
        <translation>Data files (*.qvd);;All files (*)</translation>
    </message>
    <message>
        <source>Se ha cambiado el archivo %1
¿Desea guardar los cambios actuales?</source>
        <translation>The file %1 has changed.
Save the current changes?</translation>
    </message>
    <message>
        <source>¿Desea sobrescribir el archivo %1?</source>
        <translation>Overwrite the file %1?</translation>
    </message>
    <message>
        <source>Guardar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Seleccion cancelada</source>
        <translation>Selection cancelled</translation>
    </message>
    <message>
        <source>Atomo %1</source>
        <translation>Atom %1</translation>
    </message>
    <message>
        <source>El cálculo está en marcha</source>
        <translation>The calculation is running</translation>
    </message>
    <message>
        <source>Faltan puntos: %1 para %2 potencias</source>
        <translation>Too few points: %1 for %2 powers</translation>
    </message>
    <message>
        <source>Guarde el documento para ejecutar</source>
        <translation>Save the document to run it</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Idioma / Language</source>
        <translation>Idioma / Language</translation>
    </message>
    <message>
        <source>El idioma elegido se aplicará la próxima vez que se inicie OSCILAB.</source>
        <translation>The chosen language will apply the next time OSCILAB starts.</translation>
    </message>
    <message>
        <source>Momento &amp;dipolar...</source>
        <translation>&amp;Dipole moment...</translation>
    </message>
    <message>
        <source>Momento dipolar</source>
        <translation>Dipole moment</translation>
    </message>
    <message>
        <source>El programa de cálculo lleva más de %1 s en marcha.
¿Desea detenerlo?</source>
        <translation>The calculation program has been running for more than %1 s.
Stop it?</translation>
    </message>
</context>
<context>
    <name>oscilab::frmdetalles</name>
    <message>
        <source>Resultados detallados</source>
        <translation>Detailed results</translation>
    </message>
    <message>
        <source>Constantes</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>Ajuste</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Niveles</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Isotopólogos</source>
        <translation>Isotopologues</translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>&amp;Guardar resultados (JSON)...</source>
        <translation>&amp;Save results (JSON)...</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>No hay resultados detallados de este cálculo (%1).</source>
        <translation>There are no detailed results for this calculation (%1).</translation>
    </message>
    <message>
        <source>Exportar CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Cada constante con su error típico (1σ) entre paréntesis, en las últimas cifras: 1.40188(12) es 1.40188 ± 0.00012.</source>
        <translation>Each constant with its standard error (1σ) in parentheses, in the last digits: 1.40188(12) is 1.40188 ± 0.00012.</translation>
    </message>
    <message>
        <source>R (%1)</source>
        <translation>R (%1)</translation>
    </message>
    <message>
        <source>E calculada − E dato (%1)</source>
        <translation>E calculated − E data (%1)</translation>
    </message>
    <message>
        <source>Sin advertencias.</source>
        <translation>No warnings.</translation>
    </message>
    <message>
        <source>Niveles exactos J = 0 (energías en 1/cm sobre E(re)) frente a la fórmula del informe, G(v) = ωe(v+½) − ωexe(v+½)². Elija una fila para ver χ² del nivel.</source>
        <translation>Exact levels J = 0 (energies in 1/cm above E(re)) against the report&apos;s formula, G(v) = ωe(v+½) − ωexe(v+½)². Choose a row to see the level&apos;s χ².</translation>
    </message>
    <message>
        <source>No hay niveles exactos dentro del intervalo de distancias de los datos: amplíe el intervalo de distancias.</source>
        <translation>There are no exact levels within the data&apos;s distance range: widen the distance range.</translation>
    </message>
    <message>
        <source> En &lt;span style=&quot;color:%1&quot;&gt;este color&lt;/span&gt;, los niveles extrapolados: un punto de retorno cae fuera de los datos y su energía depende de cómo se prolonga la curva (véase la incertidumbre).</source>
        <translation> In &lt;span style=&quot;color:%1&quot;&gt;this colour&lt;/span&gt;, the extrapolated levels: a turning point lies outside the data and their energy depends on how the curve is continued (see the uncertainty).</translation>
    </message>
    <message>
        <source>E(v,J) exactas en 1/cm sobre E(re): v hacia abajo, J hacia la derecha. Una casilla vacía: ese nivel no está ligado para esa J. En cursiva y con *, los niveles cuasiligados: por encima de la asíntota, retenidos por la barrera centrífuga.</source>
        <translation>Exact E(v,J) in 1/cm above E(re): v downwards, J to the right. An empty cell: that level is not bound for that J. In italics and with *, the quasibound levels: above the asymptote, held by the centrifugal barrier.</translation>
    </message>
    <message>
        <source>V(R) (%1)</source>
        <translation>V(R) (%1)</translation>
    </message>
    <message>
        <source>Guardar resultados</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>Resultados JSON (*.json)</source>
        <translation>JSON results (*.json)</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero %1.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Escala &amp;logarítmica</source>
        <translation>&amp;Logarithmic scale</translation>
    </message>
    <message>
        <source>Barras</source>
        <translation>Sticks</translation>
    </message>
    <message>
        <source>Gaussiano</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>Lorentziano</source>
        <translation>Lorentzian</translation>
    </message>
    <message>
        <source>&amp;Temperatura:</source>
        <translation>&amp;Temperature:</translation>
    </message>
    <message>
        <source>Exportar E&amp;xoMol...</source>
        <translation>Export E&amp;xoMol...</translation>
    </message>
    <message>
        <source>I (cm/molécula)</source>
        <translation>I (cm/molecule)</translation>
    </message>
    <message>
        <source>σ (cm²/molécula)</source>
        <translation>σ (cm²/molecule)</translation>
    </message>
    <message>
        <source>ν (1/cm)</source>
        <translation>ν (1/cm)</translation>
    </message>
    <message>
        <source>Exportar ExoMol</source>
        <translation>Export ExoMol</translation>
    </message>
    <message>
        <source>Lista de líneas ExoMol (*.states)</source>
        <translation>ExoMol line list (*.states)</translation>
    </message>
    <message>
        <source>Arrastra con el botón izquierdo para ampliar una zona; el botón derecho vuelve a la vista completa.</source>
        <translation>Drag with the left button to zoom into an area; the right button returns to the full view.</translation>
    </message>
    <message>
        <source>&amp;Vista completa</source>
        <translation>&amp;Full view</translation>
    </message>
    <message>
        <source>Vuelve a la vista completa tras ampliar una zona arrastrando con el botón izquierdo (también con el botón derecho)</source>
        <translation>Returns to the full view after zooming into an area by dragging with the left button (the right button does too)</translation>
    </message>
    <message>
        <source>Unidades &amp;atómicas (bohr, hartree)</source>
        <translation>&amp;Atomic units (bohr, hartree)</translation>
    </message>
    <message>
        <source>Muestra las distancias y energías de esta pestaña en bohr y hartree en lugar de las unidades del documento</source>
        <translation>Shows this tab&apos;s distances and energies in bohr and hartree instead of the document&apos;s units</translation>
    </message>
</context>
<context>
    <name>oscilab::frmdipolo</name>
    <message>
        <source>Momento dipolar</source>
        <translation>Dipole moment</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Debye</source>
        <translation>Debye</translation>
    </message>
    <message>
        <source>Unidades atómicas</source>
        <translation>Atomic units</translation>
    </message>
    <message>
        <source>Unidad del momento dipolar</source>
        <translation>Dipole-moment unit</translation>
    </message>
    <message>
        <source>&amp;Unidad de μ:</source>
        <translation>μ &amp;unit:</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Importar &amp;hoja de cálculo...</source>
        <translation>Import &amp;spreadsheet...</translation>
    </message>
    <message>
        <source>Importar &amp;texto...</source>
        <translation>Import &amp;text...</translation>
    </message>
    <message>
        <source>Separador</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Separador de los valores en un archivo de texto</source>
        <translation>Separator of the values in a text file</translation>
    </message>
    <message>
        <source>Debes elegir las unidades para la distancia: las distancias del momento dipolar se dan en ellas.</source>
        <translation>You must choose the distance unit: the dipole moment&apos;s distances are given in it.</translation>
    </message>
    <message>
        <source>borrado de puntos del momento dipolar</source>
        <translation>deletion of dipole-moment points</translation>
    </message>
</context>
<context>
    <name>oscilab::frmescala</name>
    <message>
        <source>R mínimo:</source>
        <translation>Minimum R:</translation>
    </message>
    <message>
        <source>R máximo:</source>
        <translation>Maximum R:</translation>
    </message>
    <message>
        <source>V(R) mínimo:</source>
        <translation>Minimum V(R):</translation>
    </message>
    <message>
        <source>V(R) máximo:</source>
        <translation>Maximum V(R):</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Escala V(R) automática</source>
        <translation>Automatic V(R) scale</translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>El valor de R máximo debe ser mayor que R mínimo</source>
        <translation>The maximum R must be greater than the minimum R</translation>
    </message>
    <message>
        <source>El valor de V(R) máximo debe ser mayor que V(R) mínimo</source>
        <translation>The maximum V(R) must be greater than the minimum V(R)</translation>
    </message>
</context>
<context>
    <name>oscilab::frmexplorador</name>
    <message>
        <source>* Sin mínimo de la curva ajustada dentro del intervalo de distancias de los datos: va al final de la clasificación.</source>
        <translation>* No minimum of the fitted curve within the data&apos;s distance range: ranked last.</translation>
    </message>
    <message>
        <source>Explorar ajustes</source>
        <translation>Fit explorer</translation>
    </message>
    <message>
        <source>Conjuntos de potencias por orden</source>
        <translation>Sets of powers in rank order</translation>
    </message>
    <message>
        <source>Mostrar solo intervalos contiguos</source>
        <translation>Show contiguous ranges only</translation>
    </message>
    <message>
        <source>Usar estas potencias</source>
        <translation>Use these powers</translation>
    </message>
    <message>
        <source>Progreso de la clasificación</source>
        <translation>Ranking progress</translation>
    </message>
    <message>
        <source>Clasificando los conjuntos de potencias para %1 puntos...</source>
        <translation>Ranking the sets of powers for %1 points...</translation>
    </message>
    <message>
        <source>%1 conjuntos de potencias para %2 puntos, del que mejor predice cada punto sin él al que peor.</source>
        <translation>%1 sets of powers for %2 points, from the one that best predicts each point without it to the worst.</translation>
    </message>
</context>
<context>
    <name>oscilab::frmgraficos</name>
    <message>
        <source>Gráficos</source>
        <translation>Plots</translation>
    </message>
    <message>
        <source>Informe de resultados</source>
        <translation>Results report</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Escala</source>
        <translation>S&amp;cale</translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xportar gráfico...</source>
        <translation>E&amp;xport plot...</translation>
    </message>
    <message>
        <source>&amp;Detalles...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>Advertencia</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>No se puede leer el informe %1.</source>
        <translation>The report %1 cannot be read.</translation>
    </message>
    <message>
        <source>Exportar gráfico</source>
        <translation>Export plot</translation>
    </message>
</context>
<context>
    <name>trazado</name>
    <message>
        <source>
Elige otro intervalo</source>
        <translation>
Choose another range</translation>
    </message>
    <message>
        <source>El intervalo en el eje y tiende a infinito.</source>
        <translation>The range on the y axis tends to infinity.</translation>
    </message>
    <message>
        <source>El intervalo en el eje x tiende a infinito.</source>
        <translation>The range on the x axis tends to infinity.</translation>
    </message>
    <message>
        <source>El intervalo en el eje x es nulo o no está definido; no se puede dibujar la gráfica.</source>
        <translation>The range on the x axis is empty or undefined; the plot cannot be drawn.</translation>
    </message>
    <message>
        <source>El intervalo en el eje y es nulo o no está definido; no se puede dibujar la gráfica.</source>
        <translation>The range on the y axis is empty or undefined; the plot cannot be drawn.</translation>
    </message>
</context>
<context>
    <name>unidades_grafico</name>
    <message>
        <source>R (%1)</source>
        <translation>R (%1)</translation>
    </message>
    <message>
        <source>V(R) (%1)</source>
        <translation>V(R) (%1)</translation>
    </message>
</context>
<context>
    <name>zip_acotado</name>
    <message>
        <source>parte dañada o demasiado grande</source>
        <translation>damaged or too large part</translation>
    </message>
</context>
</TS>
