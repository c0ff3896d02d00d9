#!/usr/bin/env bash
# Runs every case of validacion/ through curvifit, compares with the published numbers in its
# referencia.json and writes the report (validacion/INFORME.md by default). Exit status 1 when
# a value lies outside its tolerance or a case cannot be run.
#   bash scripts/validar.sh [CURVIFIT [INFORME]]   (default build/bin/curvifit, or $CURVIFIT)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
curvifit="$(realpath "${1:-${CURVIFIT:-$raiz/build/bin/curvifit}}")"
[ -x "$curvifit" ] || { echo "No se encuentra curvifit: $curvifit" >&2; exit 2; }
informe="${2:-$raiz/validacion/INFORME.md}"
mkdir -p "$(dirname "$informe")"
exec python3 - "$raiz/validacion" "$curvifit" "$informe" <<'PY'
import json, os, shutil, subprocess, sys, tempfile

HARTREE_CM1 = 219474.6313632
carpeta, curvifit, salida = sys.argv[1:4]


def niveles(res, caso):
    iso = caso.get("isotopologo")
    return (res["levels_exact"] if iso is None else res["isotopologues"][iso]["levels_exact"])["levels"]


def nivel(res, caso, v, J=0):
    return next(n for n in niveles(res, caso) if n["v"] == v and n["J"] == J)


def linea(res, clave):
    vu, ju, vl, jl = clave
    return next(l for l in res["spectrum"]["lines"] if (l["v_upper"], l["j_upper"], l["v_lower"], l["j_lower"]) == (vu, ju, vl, jl))


def valor_oscilab(res, caso, o):
    """The number the case compares, picked from result/NAME.json as "oscilab" says."""
    if "constante" in o:
        iso = caso.get("isotopologo")
        c = res["constants"] if iso is None else res["isotopologues"][iso]["constants"]
        return c[o["constante"]]["value"]
    if "intervalo" in o:
        return nivel(res, caso, o["intervalo"])["e_cm1"] - nivel(res, caso, 0)["e_cm1"]
    if "sobre_minimo" in o:  # a level above the curve's minimum
        return nivel(res, caso, o["sobre_minimo"])["e_cm1"]
    if "bv" in o:
        return nivel(res, caso, o["bv"])["bv_cm1"]
    if "rotacion" in o:  # E(v, J=1) − E(v, J=0) from the solved levels
        return nivel(res, caso, o["rotacion"], 1)["e_cm1"] - nivel(res, caso, o["rotacion"])["e_cm1"]
    if "rotacion_bv" in o:  # the same interval from the level's own Bv, Dv, Hv: 2Bv − 4Dv + 8Hv
        n = nivel(res, caso, o["rotacion_bv"])
        return 2 * n["bv_cm1"] - 4 * n["dv_cm1"] + 8 * n["hv_cm1"]
    if "dv" in o:
        return nivel(res, caso, o["dv"])["dv_cm1"]
    if "d0_limite_hartree" in o:  # the level (0, 0) below a known atomic limit
        return (o["d0_limite_hartree"] - nivel(res, caso, 0)["e_hartree"]) * HARTREE_CM1
    if "disociacion" in o:
        return res["levels_exact"]["dissociation"][o["disociacion"]]
    if "linea" in o:
        return linea(res, o["linea"])[o["campo"]]
    if "cociente_a" in o:
        a, b = (linea(res, k)["einstein_a_s1"] for k in o["cociente_a"])
        return a / b
    raise ValueError("magnitud desconocida: %s" % o)


def corre(dir_caso, caso):
    with tempfile.TemporaryDirectory() as trabajo:
        shutil.copytree(os.path.join(dir_caso, "datos"), os.path.join(trabajo, "datos"))
        r = subprocess.run([curvifit, caso["documento"], *caso.get("opciones", [])], cwd=trabajo,
                           capture_output=True, text=True, timeout=60)
        if r.returncode != 0:
            raise RuntimeError("curvifit terminó con estado %d: %s" % (r.returncode, r.stderr.strip()))
        with open(os.path.join(trabajo, "result", caso["documento"] + ".json"), encoding="utf-8") as f:
            res = json.load(f)
        if (res.get("format"), res.get("version")) != ("oscilab-results", 1):
            raise RuntimeError("result/%s.json no es oscilab-results versión 1" % caso["documento"])
        return res


def cifra(x):
    return "%.10g" % x


informe, fuera, total = [], 0, 0
for nombre in sorted(os.listdir(carpeta)):
    ruta = os.path.join(carpeta, nombre, "referencia.json")
    if not os.path.isfile(ruta):
        continue
    with open(ruta, encoding="utf-8") as f:
        caso = json.load(f)
    fuentes = {s["id"]: s for s in caso["fuentes"]}
    informe += ["## %s: %s" % (nombre, caso["titulo"]), "", caso["descripcion"], "",
                "Ejecución: `curvifit %s`" % " ".join([caso["documento"], *caso.get("opciones", [])]), ""]
    try:
        res = corre(os.path.join(carpeta, nombre), caso)
    except Exception as e:  # a case that cannot run counts as outside
        fuera, total = fuera + 1, total + 1
        informe += ["**No se pudo ejecutar:** %s" % e, ""]
        continue
    informe += ["| Magnitud | Referencia | OSCILAB | Diferencia | Tolerancia | Resultado | Fuente |",
                "|---|---|---|---|---|---|---|"]
    notas = []
    for i, v in enumerate(caso["valores"], 1):
        total += 1
        try:
            x = valor_oscilab(res, caso, v["oscilab"])
            dif = x - v["referencia"]
            dentro = abs(dif) <= v["tolerancia"]
        except (KeyError, StopIteration, TypeError, ValueError) as e:
            x, dif, dentro = float("nan"), float("nan"), False
            notas.append("(%d) no hallado en el resultado: %s" % (i, e))
        fuera += not dentro
        unidad = " " + v["unidad"] if v["unidad"] else ""
        informe.append("| %s | %s%s | %s | %.3g | ±%.3g | %s | %s |" % (
            v["magnitud"], cifra(v["referencia"]), unidad, cifra(x), dif, v["tolerancia"],
            "dentro" if dentro else "**FUERA**", v["fuente"]))
        notas.append("(%d) %s: %s" % (i, v["magnitud"], v["porque"]))
    informe += ["", "Tolerancias:", ""] + ["- " + n for n in notas] + ["", "Fuentes:", ""]
    informe += ["- %s: %s%s" % (s["id"], s["cita"], " DOI %s." % s["doi"] if s.get("doi") else "")
                for s in fuentes.values()] + [""]

resumen = ("**%d de %d valores dentro de su tolerancia**" % (total - fuera, total)
           + ("." if fuera == 0 else "; %d fuera." % fuera))
cabecera = ["# Validación de OSCILAB frente a resultados publicados", "", resumen, "",
            "Generado por `scripts/validar.sh` (lo ejecuta ctest). Cada tabla compara una magnitud "
            "calculada por `curvifit` con el valor publicado; la tolerancia de cada valor lleva debajo "
            "la razón de su tamaño. Energías en 1/cm salvo que se indique.", ""]
with open(salida, "w", encoding="utf-8") as f:
    f.write("\n".join(cabecera + informe))
print(resumen.replace("**", ""))
sys.exit(1 if fuera else 0)
PY
