#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (corpus/TARGET/), a few dozen small files
each: the example documents and fixtures, their line-end variants, cut copies and the
malformed forms the readers refuse. Run from anywhere; the files are committed."""
import os
import pathlib

RAIZ = pathlib.Path(__file__).resolve().parent
FUENTE = RAIZ.parent.parent


def escribe(objetivo, nombre, datos):
    carpeta = RAIZ / "corpus" / objetivo
    carpeta.mkdir(parents=True, exist_ok=True)
    (carpeta / nombre).write_bytes(datos if isinstance(datos, bytes) else datos.encode("latin-1"))


def documentos():
    ejemplos = {p.stem: p.read_bytes() for p in sorted((FUENTE / "datos").glob("*.qvd"))}
    cab = "prueba\r\n0 1 2 \r\n1.0079   1.0079\r\nUA   UA\r\n"
    pts = "1.0   0.36\r\n1.2   0.04\r\n1.6   0.04\r\n2.0   0.36\r\n"
    casos = dict(ejemplos)
    h2 = ejemplos["H2"]
    casos.update({
        "h2_lf": h2.replace(b"\r\n", b"\n"),
        "h2_cr": h2.replace(b"\r\n", b"\r"),
        "h2_blancos_al_final": h2 + b"\r\n  \r\n\t\r\n",
        "h2_cortado": h2[: len(h2) // 2],
        "h2_sin_fin_de_linea": h2.rstrip(b"\r\n"),
        "minimo": cab + pts,
        "angstrom_ev": "x\r\n-2 0 2 \r\n12 16\r\nAngstrom   eV\r\n1.0 -2.0\r\n1.2 -2.5\r\n1.5 -2.1\r\n",
        "exponentes": cab + "1.0D0 3.6E-1\r\n1.2d0,4e-2\r\n1.6 , 0.04\r\n2. .36\r\n",
        "todas_potencias": "t\r\n" + " ".join(str(p) for p in range(-15, 15)) + " \r\n1 1\r\nUA UA\r\n" + pts,
        "potencia_fuera": "t\r\n0 15 \r\n1 1\r\nUA UA\r\n" + pts,
        "potencia_repetida": "t\r\n1 1 \r\n1 1\r\nUA UA\r\n" + pts,
        "potencias_vacias": "t\r\n\r\n1 1\r\nUA UA\r\n" + pts,
        "dos_blancos": "t\r\n0  1 \r\n1 1\r\nUA UA\r\n" + pts,
        "masa_cero": "t\r\n0 1 2 \r\n0 1\r\nUA UA\r\n" + pts,
        "masas_negativas": "t\r\n0 1 2 \r\n-2 1\r\nUA UA\r\n" + pts,
        "masas_enormes": "t\r\n0 1 2 \r\n1E300 1E300\r\nUA UA\r\n" + pts,
        "r_cero": "t\r\n-1 0 \r\n1 1\r\nUA UA\r\n0 1\r\n1 2\r\n",
        "un_punto": cab + "1.0 2.0\r\n",
        "sin_puntos": cab,
        "letras": cab + "1.0 uno\r\n" + pts,
        "desbordamiento": cab + "1.0 1E99999\r\n" + pts,
        "comas_vacias": cab + "1.0,,0.36\r\n" + pts,
        "barra": cab + "1.0 / 0.36\r\n" + pts,
        "repulsiva": cab + "1.0 1.0\r\n2.0 0.5\r\n3.0 0.25\r\n4.0 0.125\r\n",
        "titulo_con_coma": '"a, b"\r\n0 1 2 \r\n1 1\r\nUA UA\r\n' + pts,
        "titulo_latin1": "\xc1tomos \xe9\r\n0 1 2 \r\n1 1\r\nUA UA\r\n" + pts,
        "punto_v_cero": cab + pts + "10.0   0.0\r\n",
        "binario": b"\x00\xff\xfe\r\n\x01\r\n",
        "vacio": b"",
        "sesenta_puntos": cab + "".join(f"{1 + i * 0.1:.1f}   {(1 - 2.718 ** (-(0.1 * i - 0.4))) ** 2 - 1:.6f}\r\n" for i in range(60)),
    })
    return casos


def curvas():
    scs = (FUENTE / "tests/frontend/datos/H2.scs").read_bytes()
    lineas = scs.split(b"\r\n")
    casos = {
        "h2_20": bytes([20]) + scs,
        "h2_0": bytes([0]) + scs,
        "h2_50": bytes([50]) + scs,
        "h2_lf": bytes([20]) + scs.replace(b"\r\n", b"\n"),
        "h2_cortado_coeficientes": bytes([20]) + b"\r\n".join(lineas[:50]),
        "h2_cortado_niveles": bytes([20]) + b"\r\n".join(lineas[:73]),
        "h2_infinito": bytes([20]) + b"\r\n".join(lineas[:70] + [b"     Infinity"] + lineas[71:]),
        "h2_nan": bytes([20]) + b"\r\n".join([b"NaN"] + lineas[1:]),
        "h2_letras": bytes([20]) + b"\r\n".join(lineas[:10] + [b"uno"] + lineas[11:]),
        "vacio": bytes([3]),
        "solo_indice": b"",
    }
    def fichero(puntos, coef, error, ancho, niveles):
        valores = [v for p in puntos for v in p] + coef + [error, ancho] + niveles
        return "".join(f"{v!s:>24}\r\n" for v in valores).encode()
    morse = [(1.0 + 0.2 * i, (1 - 2.718 ** (-(0.2 * i - 0.4))) ** 2 - 1) for i in range(8)]
    coef = [0.0] * 30
    coef[15], coef[16], coef[17] = 1.0, -2.0, 0.5
    casos.update({
        "parabola": bytes([8]) + fichero(morse, coef, 1e-5, 0.1, [-0.9, -0.7, -0.5]),
        "sin_niveles": bytes([8]) + fichero(morse, coef, 1e-5, 0.1, []),
        "coeficientes_negativos": bytes([8]) + fichero(morse, [1e-3] * 15 + [0.0] * 15, 1.0, 0.0, [0.0]),
        "enormes": bytes([8]) + fichero(morse, [1e300] * 30, 1e300, 1e300, [1e300]),
        "r_cero": bytes([2]) + fichero([(0.0, 1.0), (0.0, 2.0)], [1.0] * 30, 0.0, 0.0, [1.0]),
        "un_punto": bytes([1]) + fichero(morse[:1], coef, 1e-5, 0.1, [-0.5]),
        "muchos_niveles": bytes([8]) + fichero(morse, coef, 1e-5, 0.1, [-1 + i / 500 for i in range(400)]),
        "hf_ceros": bytes([4]) + b"1\r\n0\r\n2\r\n0\r\n" + b"0\r\n" * 30 + b"0\r\n0\r\n",
        "blancos_y_tabuladores": bytes([2]) + b" 1.0\t\r\n\t2.0 \r\n 1.5\r\n2.5\r\n" + b" 0 \r\n" * 30 + b"1\r\n1\r\n-1\r\n",
        "dos_por_linea": bytes([2]) + b"1.0 2.0\r\n1.5 2.5\r\n" + b"0 0\r\n" * 15 + b"1 1\r\n",
        "niveles_desordenados": bytes([8]) + fichero(morse, coef, 1e-5, 0.1, [0.5, -0.9, 0.1, -0.2]),
        "error_negativo": bytes([8]) + fichero(morse, coef, -1.0, -0.1, [-0.9]),
        "subnormales": bytes([8]) + fichero(morse, [5e-324] * 30, 5e-324, 5e-324, [5e-324]),
        "exponente_d": bytes([2]) + b"1.0D0\r\n2.0D0\r\n1.5d0\r\n2.5d0\r\n" + b"0.0\r\n" * 30 + b"1E-5\r\n0.1\r\n",
    })
    return casos


def textos():
    casos = {}
    filas = ["1.0;-1.1290315042", "1.1;-1.151523078", "1.2;-1.1652929381"]
    casos["punto_y_coma"] = ";\n" + "\r\n".join(filas) + "\r\n"
    casos["tabulador"] = "\t\n" + "\n".join(f.replace(";", "\t") for f in filas)
    casos["espacio"] = " \n" + "\n".join(f.replace(";", " ") for f in filas)
    casos["coma"] = ",\n" + "\n".join(f.replace(";", ",") for f in filas)
    casos["palabra"] = "Y\n1y2\n3Y4\n5 y 6\n"
    casos["delimitador_largo"] = "::\n1::2\n3::4::5\n"
    casos["lineas_vacias"] = ";\n\n1;2\n\n\n3;4\n"
    casos["un_campo"] = ";\n1\n2;3\n"
    casos["sin_delimitador"] = "1;2\n3;4"
    casos["cr"] = ";\n1;2\r3;4\r"
    casos["sesenta"] = ";\n" + "".join(f"{i};{i * i}\n" for i in range(60))
    casos["latin1"] = ";\n\xe1;\xe9\n"
    casos["utf8"] = ";\n" + "á;é\n".encode().decode("latin-1")
    casos["bom"] = ";\n\xef\xbb\xbf1;2\n"
    casos["binario"] = b";\n\x00\x01\xff;\xfe\n"
    casos["vacio"] = ";\n"
    casos["nada"] = ""
    casos["comillas"] = ';\n"1";"2"\n'
    casos["blancos"] = ";\n  1 ;  2  \n"
    casos["muchos_campos"] = ";\n1;2;3;4;5\n"
    casos["crlf_doble"] = ";\n1;2\r\n\r\n3;4\r\n"
    casos["negativos_exponentes"] = ";\n-1.5E-3;+2d4\n.5;5.\n"
    casos["delimitador_blanco_doble"] = "  \n1  2\n3   4\n"
    casos["delimitador_mayusculas"] = "AB\n1ab2\n3Ab4\n"
    casos["ultima_sin_fin"] = ";\n1;2\n3;4"
    casos["linea_larga"] = ";\n" + "1" * 5000 + ";2\n"
    return casos


def libros():
    casos = {}
    for p in sorted((FUENTE / "tests/frontend/fixtures").glob("*.xls")):
        datos = p.read_bytes()
        casos[p.stem] = datos
        casos[p.stem + "_mitad"] = datos[: len(datos) // 2]
    segunda = bytearray((FUENTE / "tests/frontend/fixtures/segunda_hoja_activa.xls").read_bytes())
    segunda[0x1441] = 0x68
    casos["segunda_hoja_byte_1441"] = bytes(segunda)
    casos["solo_firma"] = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"
    casos["cabecera_cero"] = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\x00" * 504
    celdas = "".join(f"{i // 2 + 1} {i % 2 + 1} vacia\n" for i in range(100))
    casos["salida_vacia_completa"] = celdas + "fin completa\n"
    casos["salida_incompleta"] = "1 1 real 0.8\n1 2 entero -7\n2 1 texto a\\\\b\\n\nfin incompleta\n"
    casos["salida_textos"] = "1 1 texto Energ\xc3\xada\n1 2 texto \nfin incompleta\n"
    casos["salida_reales"] = "1 1 real 1e+300\n1 2 real -0\n2 1 real inf\n2 2 real nan\nfin incompleta\n"
    casos["salida_desordenada"] = "1 2 vacia\nfin incompleta\n"
    casos["salida_sin_fin"] = "1 1 vacia\n"
    casos["salida_escape_malo"] = "1 1 texto \\q\nfin incompleta\n"
    casos["salida_enteros"] = "1 1 entero 2147483647\n1 2 entero -2147483648\nfin incompleta\n"
    casos["salida_texto_largo"] = "1 1 texto " + "x" * 3000 + "\nfin incompleta\n"
    casos["salida_crlf"] = "1 1 vacia\r\nfin incompleta\r\n"
    escritos = bytearray((FUENTE / "tests/frontend/fixtures/doce_puntos.xls").read_bytes())
    escritos[0x1E] = 12  # 4096-byte sectors
    casos["sectores_4096"] = bytes(escritos)
    casos["salida_solo_fin"] = "fin incompleta\n"
    return casos


def resultados():
    """The run's result file, whole and spoiled member by member: wrong types, numbers
    beyond int or beyond any distance, lists longer than the reader takes."""
    import copy
    import json
    texto = (FUENTE / "tests/frontend/datos/H2.json").read_text()
    base = json.loads(texto)
    casos = {"h2": texto, "h2_cortado": texto[: len(texto) // 2], "vacio": "", "no_json": "{"}

    def cambia(nombre, f):
        j = copy.deepcopy(base)
        f(j)
        casos[nombre] = json.dumps(j)

    cambia("version_texto", lambda j: j.update(version="1"))
    cambia("format_numero", lambda j: j.update(format=1))
    cambia("r_1e308", lambda j: j["points"][0].update(r_bohr=1e308))
    cambia("v_1e308", lambda j: j["levels_exact"]["levels"][0].update(v=1e308))
    cambia("j_enorme", lambda j: j["levels_exact"]["levels"][0].update(J=2**63))
    cambia("jmax_negativo", lambda j: j["levels_exact"].update(jmax=-5))
    cambia("descartados_float", lambda j: j["fit"].update(discarded=3e9))
    cambia("potencia_enorme", lambda j: j["fit"]["powers"].__setitem__(0, 2**40))
    cambia("sin_coeficiente", lambda j: j["fit"]["coefficients"].pop())
    cambia("stderr_texto", lambda j: j["constants"]["we_cm1"].update(stderr="x"))
    cambia("nulos", lambda j: j["points"][0].update(e_fit_hartree=None, residual_hartree=None))
    cambia("muchos_puntos", lambda j: j.update(points=[{}] * 10001))
    cambia("muchos_niveles", lambda j: j["levels_exact"].update(levels=[{}] * 10001))
    cambia("muchos_avisos", lambda j: j.update(warnings=[{}] * 1001))
    cambia("sin_exactos", lambda j: j.pop("levels_exact"))
    casos["anidado"] = "[" * 1000 + "]" * 1000
    casos["numero_inf"] = texto.replace('"reduced_mass_me": ', '"reduced_mass_me": 1e999', 1)
    return casos


for objetivo, casos in (("fuzz_motor", documentos()), ("fuzz_fichero_datos", documentos()),
                        ("fuzz_curva", curvas()), ("fuzz_importar_texto", textos()),
                        ("fuzz_leexls", libros()), ("fuzz_resultado_json", resultados())):
    for nombre, datos in casos.items():
        escribe(objetivo, nombre, datos)
