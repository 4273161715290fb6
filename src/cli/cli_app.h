// The terminal front end: parses the command line and runs one command.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ombrel {

// Exit statuses: 0 done, 1 usage error, 2 the computation stopped with a message.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitStopped = 2;

inline constexpr const char* kUsage =
    "uso:\n"
    "  ombrel-cli cargar (--proyecto FICHERO | --matrices A K P [E])\n"
    "  ombrel-cli compensar (--proyecto FICHERO | --matrices A K P [E])\n"
    "             --metodo inversa|e|pseudo [--respuestas FICHERO] [--transcripcion FICHERO]\n"
    "             [--decimales N] [--analizar] [--precision METROS]\n"
    "             [--inversion gauss|lu|cholesky] [--comprobar] [--dxf FICHERO]\n"
    "             [--grafico FICHERO.svg|.png|.pdf]\n"
    "             [--resultados FICHERO.csv|FICHERO.geojson] [--ampliacion F]\n"
    "             (--coordenadas FICHERO con --matrices: coordenadas aproximadas)\n"
    "  ombrel-cli diseno --proyecto FICHERO --orden 0|1|2 [--respuestas FICHERO]\n"
    "             [--transcripcion FICHERO] [--decimales N]\n"
    "  ombrel-cli errores (--proyecto FICHERO | --matrices A K P [E])\n"
    "             [--respuestas FICHERO] [--transcripcion FICHERO]\n"
    "  ombrel-cli comprobar --proyecto FICHERO [--metodo inversa|e|pseudo] [--escala]\n"
    "  ombrel-cli exportar --proyecto FICHERO --xml SALIDA.xml\n"
    "  ombrel-cli --help\n"
    "\n"
    "Fichero de respuestas: una por línea, en el orden de las preguntas: Si, No o\n"
    "Cancelar; completa o resumida; el texto de cada cuadro de entrada (línea vacía:\n"
    "cancelar; \"=\": el valor propuesto). Las líneas que empiezan por # se ignoran.\n"
    "Sin --respuestas, las respuestas se leen de la entrada estándar.\n"
    "Salida: 0 terminado, 1 orden mal escrita, 2 cancelado o abandonado,\n"
    "3 faltan respuestas.\n";

// Which standard streams are a terminal.
struct Terminals {
  bool input = false;   // a person answers the questions
  bool errors = false;  // progress lines may be shown on the error stream
};

// args excludes the program name. Questions are answered from `in` (by a
// person when terminals.input); results go to `out`, messages (with their
// title), progress and usage to `err`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, Terminals terminals = {});

}  // namespace ombrel
