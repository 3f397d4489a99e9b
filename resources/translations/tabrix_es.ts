<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Accessibility</name>
    <message>
        <source>times ten to the</source>
        <translation>por diez elevado a</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>segunda función</translation>
    </message>
    <message>
        <source>shifted</source>
        <translation>segunda función</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Pantalla de la calculadora</translation>
    </message>
    <message>
        <source>Tabrix calculator</source>
        <translation>Calculadora Tabrix</translation>
    </message>
</context>
<context>
    <name>Bits</name>
    <message>
        <source>x = %1 %2: %3 of %4 bits set</source>
        <translation>x = %1 %2: %3 de %4 bits a 1</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tabrix</source>
        <translation>Acerca de Tabrix</translation>
    </message>
    <message>
        <source>Tabrix Calculator Version 1.0 (Alpha)</source>
        <translation>Calculadora Tabrix versión 1.0 (alfa)</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tabrix developers</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Tabrix</translation>
    </message>
    <message>
        <source>Visit the sponsor:</source>
        <translation>Visite el sitio del patrocinador:</translation>
    </message>
</context>
<context>
    <name>CBitsPanel</name>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
</context>
<context>
    <name>CFunctionFinder</name>
    <message>
        <source>Find Function</source>
        <translation>Buscar función</translation>
    </message>
    <message>
        <source>A few letters of a function: tanh, mod, register…</source>
        <translation>Unas letras de una función: tanh, mod, registro…</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>&amp;Función:</translation>
    </message>
</context>
<context>
    <name>CFunctionPlotView</name>
    <message>
        <source>Plot of f(x)</source>
        <translation>Gráfica de f(x)</translation>
    </message>
</context>
<context>
    <name>CKeysWindow</name>
    <message>
        <source>Keys and Keyboard</source>
        <translation>Teclas y teclado</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Shifted (after F)</source>
        <translation>Segunda función (tras F)</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Teclas del teclado</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Edit &gt; Preferences changes the keyboard keys.</source>
        <translation>Supr borra X; Esc borra la pila y los registros y conserva los modos. En Editar &gt; Preferencias se cambian las teclas del teclado.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;STO</source>
        <translation>&amp;STO</translation>
    </message>
    <message>
        <source>&amp;RCL</source>
        <translation>&amp;RCL</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Save State</source>
        <translation>&amp;Guardar estado</translation>
    </message>
    <message>
        <source>&amp;Load State</source>
        <translation>&amp;Cargar estado</translation>
    </message>
    <message>
        <source>R&amp;eset State</source>
        <translation>&amp;Restablecer estado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Copy &amp;Exact</source>
        <translation>Copiar valor e&amp;xacto</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Pegar &amp;número</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>Pre&amp;ferencias…</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamaño &amp;real</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Cinta</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>&amp;Borrar cinta</translation>
    </message>
    <message>
        <source>&amp;Save Tape As…</source>
        <translation>&amp;Guardar cinta como…</translation>
    </message>
    <message>
        <source>&amp;Keyboard Keys</source>
        <translation>&amp;Teclas del teclado</translation>
    </message>
    <message>
        <source>&amp;Keys and Keyboard</source>
        <translation>&amp;Teclas y teclado</translation>
    </message>
    <message>
        <source>&amp;About Tabrix...</source>
        <translation>&amp;Acerca de Tabrix...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Save Tape</source>
        <translation>Guardar cinta</translation>
    </message>
    <message>
        <source>Tabrix tape (*.txt)</source>
        <translation>Cinta de Tabrix (*.txt)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <source>&amp;Record Program…</source>
        <translation>&amp;Grabar programa…</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Detener grabación</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Edit Programs…</source>
        <translation>&amp;Editar programas…</translation>
    </message>
    <message>
        <source>&amp;Import Programs…</source>
        <translation>&amp;Importar programas…</translation>
    </message>
    <message>
        <source>E&amp;xport Programs…</source>
        <translation>E&amp;xportar programas…</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;unciones</translation>
    </message>
    <message>
        <source>&amp;Find Function…</source>
        <translation>&amp;Buscar función…</translation>
    </message>
    <message>
        <source>Clear the tape? Undo then begins again with it: what was done before can no longer be undone.</source>
        <translation>¿Borrar la cinta? Deshacer empieza de nuevo con ella: lo hecho antes ya no se podrá deshacer.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Borrar cinta</translation>
    </message>
    <message>
        <source>&amp;High-Contrast LCD</source>
        <translation>LCD de alto co&amp;ntraste</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>Paste &amp;Data</source>
        <translation>Pegar d&amp;atos</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>Estad&amp;ísticas</translation>
    </message>
    <message>
        <source>&amp;Solve…</source>
        <translation>&amp;Resolver…</translation>
    </message>
    <message>
        <source>&amp;Integrate…</source>
        <translation>&amp;Integrar…</translation>
    </message>
    <message>
        <source>Copy Words with &amp;Base Prefix</source>
        <translation>Copiar palabras con prefijo de &amp;base</translation>
    </message>
    <message>
        <source>&amp;Bits</source>
        <translation>&amp;Vista de bits</translation>
    </message>
</context>
<context>
    <name>CNotice</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>CNumericDialog</name>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation>Integrar</translation>
    </message>
    <message>
        <source>&amp;Program f(x):</source>
        <translation>&amp;Programa f(x):</translation>
    </message>
    <message>
        <source>First &amp;guess (y):</source>
        <translation>Pri&amp;mera estimación (y):</translation>
    </message>
    <message>
        <source>&amp;From (y):</source>
        <translation>&amp;Desde (y):</translation>
    </message>
    <message>
        <source>Second g&amp;uess (x):</source>
        <translation>&amp;Segunda estimación (x):</translation>
    </message>
    <message>
        <source>&amp;To (x):</source>
        <translation>&amp;Hasta (x):</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Integrar</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>&amp;Restore the calculator when Tabrix starts</source>
        <translation>&amp;Restaurar la calculadora al iniciar Tabrix</translation>
    </message>
    <message>
        <source>The stack, the registers, the modes and the tape are kept while you work, and come back when Tabrix starts without a state file.</source>
        <translation>La pila, los registros, los modos y la cinta se conservan mientras trabaja y vuelven cuando Tabrix se inicia sin un archivo de estado.</translation>
    </message>
    <message>
        <source>Standard keys</source>
        <translation>Teclas estándar</translation>
    </message>
    <message>
        <source>Custom keys</source>
        <translation>Teclas personalizadas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Segunda función</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Teclas del teclado</translation>
    </message>
    <message>
        <source>&amp;Press a Key…</source>
        <translation>&amp;Pulsar una tecla…</translation>
    </message>
    <message>
        <source>&amp;Add a Key…</source>
        <translation>&amp;Añadir una tecla…</translation>
    </message>
    <message>
        <source>Re&amp;move a Key</source>
        <translation>&amp;Quitar una tecla</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Restaurar &amp;valores predeterminados</translation>
    </message>
    <message>
        <source>&amp;Map:</source>
        <translation>&amp;Mapa de teclas:</translation>
    </message>
    <message>
        <source>The laptop keys are in use.</source>
        <translation>Se usan las teclas para portátil.</translation>
    </message>
    <message>
        <source>The standard keys are in use.</source>
        <translation>Se usan las teclas estándar.</translation>
    </message>
    <message>
        <source>Press the keyboard key for %1 (Escape: no key).</source>
        <translation>Pulse la tecla del teclado para %1 (Esc: ninguna tecla).</translation>
    </message>
    <message>
        <source>%1 now presses %2.</source>
        <translation>%1 activa ahora %2.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now presses %3.</source>
        <translation>%1 activaba %2; ahora activa %3.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2.</source>
        <translation>%1 ya no activa %2.</translation>
    </message>
    <message>
        <source>No key was changed.</source>
        <translation>No se cambió ninguna tecla.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 es un atajo de la ventana; elija otra tecla.</translation>
    </message>
    <message>
        <source>Ke&amp;ys of %1:</source>
        <translation>Te&amp;clas de %1:</translation>
    </message>
    <message>
        <source>Tab moves the keyboard between the calculator and the tape; choose another key.</source>
        <translation>Tab lleva el teclado de la calculadora a la cinta y de vuelta; elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2: a key takes %3 keyboard keys at most.</source>
        <translation>%1 ya no pulsa %2: una tecla admite como máximo %3 teclas del teclado.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Key that runs it</source>
        <translation>Tecla que lo ejecuta</translation>
    </message>
    <message>
        <source>&amp;Set Program Key…</source>
        <translation>&amp;Definir tecla de programa…</translation>
    </message>
    <message>
        <source>&amp;Clear Program Key</source>
        <translation>&amp;Borrar tecla de programa</translation>
    </message>
    <message>
        <source>No key runs %1.</source>
        <translation>Ninguna tecla ejecuta %1.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 ahora ejecuta %2.</translation>
    </message>
    <message>
        <source>%1 ran %2; it now runs %3.</source>
        <translation>%1 ejecutaba %2; ahora ejecuta %3.</translation>
    </message>
    <message>
        <source>Press the key that is to run %1 (Escape: no key).</source>
        <translation>Pulse la tecla que ha de ejecutar %1 (Escape: ninguna tecla).</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;unciones</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>Funció&amp;n:</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Keyboard key</source>
        <translation>Tecla del teclado</translation>
    </message>
    <message>
        <source>&amp;Give It a Key…</source>
        <translation>Asignarle una tec&amp;la…</translation>
    </message>
    <message>
        <source>&amp;Remove the Key</source>
        <translation>Quitarle la t&amp;ecla</translation>
    </message>
    <message>
        <source>A keyboard key given to a function performs it as Find Function does; it no longer presses a calculator key.</source>
        <translation>Una tecla del teclado asignada a una función la ejecuta como «Buscar función»; ya no pulsa ninguna tecla de la calculadora.</translation>
    </message>
    <message>
        <source>%1 now performs %2.</source>
        <translation>%1 ejecuta ahora %2.</translation>
    </message>
    <message>
        <source>%1 no longer performs %2.</source>
        <translation>%1 ya no ejecuta %2.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now performs %3.</source>
        <translation>%1 pulsaba %2; ahora ejecuta %3.</translation>
    </message>
    <message>
        <source>%1 performed %2; it now performs %3.</source>
        <translation>%1 ejecutaba %2; ahora ejecuta %3.</translation>
    </message>
    <message>
        <source>Laptop keys: also = (ENTER) on the main keyboard</source>
        <translation>Teclas para portátil: también = (ENTER) en el teclado principal</translation>
    </message>
</context>
<context>
    <name>CProgramEditor</name>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>&amp;Programs:</source>
        <translation>&amp;Programas:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>Pa&amp;sos:</translation>
    </message>
    <message>
        <source>Pro&amp;blems:</source>
        <translation>Pro&amp;blemas:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nuevo…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Paso a pas&amp;o</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Ninguno: el programa se ejecuta.</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nuevo programa</translation>
    </message>
    <message>
        <source>Rename Program</source>
        <translation>Renombrar programa</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Ya hay un programa %1.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Eliminar programa</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>¿Eliminar el programa %1?</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renombrar…</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>E&amp;jecutar</translation>
    </message>
    <message>
        <source>f(x) from y to x, as solve and integrate see it:</source>
        <translation>f(x) de y a x, tal como lo ven resolver e integrar:</translation>
    </message>
</context>
<context>
    <name>CProgramsController</name>
    <message>
        <source>Name of the program:</source>
        <translation>Nombre del programa:</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>“%1” no es un nombre de programa: una letra, luego letras, cifras o _, 32 como máximo.</translation>
    </message>
    <message>
        <source>Record Program</source>
        <translation>Grabar programa</translation>
    </message>
    <message>
        <source>There is a program %1 already. Record a new one in its place?</source>
        <translation>Ya hay un programa %1. ¿Grabar uno nuevo en su lugar?</translation>
    </message>
    <message>
        <source>Recording %1: every key goes into it until Programs &gt; Stop Recording.</source>
        <translation>Grabando %1: cada tecla entra en él hasta Programas &gt; Detener grabación.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1 está grabado.</translation>
    </message>
    <message>
        <source>Import Programs</source>
        <translation>Importar programas</translation>
    </message>
    <message>
        <source>Tabrix programs (*.txt)</source>
        <translation>Programas de Tabrix (*.txt)</translation>
    </message>
    <message>
        <source>%1 holds no programs Tabrix can read: %2</source>
        <translation>%1 no contiene programas que Tabrix pueda leer: %2</translation>
    </message>
    <message>
        <source>The programs of %1 are imported.</source>
        <translation>Los programas de %1 están importados.</translation>
    </message>
    <message>
        <source>Export Programs</source>
        <translation>Exportar programas</translation>
    </message>
    <message>
        <source>%1 has programs of the names of yours, which it would replace: %2. Replace them?</source>
        <translation>%1 tiene programas con los nombres de los suyos, que reemplazaría: %2. ¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>These programs have problems: %1. tabrix-cli --program and Import Programs refuse a file that holds them. Export them all the same?</source>
        <translation>Estos programas tienen problemas: %1. tabrix-cli --program e Importar programas rechazan un archivo que los contenga. ¿Exportarlos de todos modos?</translation>
    </message>
</context>
<context>
    <name>CStatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
</context>
<context>
    <name>CTapePanel</name>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Value</source>
        <translation>Copiar &amp;valor</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>There is no text data (ANSI) on the Clipboard.</source>
        <translation>No hay datos de texto (ANSI) en el portapapeles.</translation>
    </message>
    <message>
        <source>Tabrix settings (*.rpn)</source>
        <translation>Configuración de Tabrix (*.rpn)</translation>
    </message>
    <message>
        <source>Save State File</source>
        <translation>Guardar archivo de estado</translation>
    </message>
    <message>
        <source>Load State File</source>
        <translation>Cargar archivo de estado</translation>
    </message>
    <message>
        <source>The file holds more than this version of Tabrix knows; it was loaded without: %1.</source>
        <translation>El archivo contiene más de lo que esta versión de Tabrix conoce; se cargó sin: %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>not a kept session</source>
        <translation>no es una sesión guardada</translation>
    </message>
    <message>
        <source>its calculator cannot be read</source>
        <translation>su calculadora no se puede leer</translation>
    </message>
    <message>
        <source>a program is running</source>
        <translation>hay un programa en marcha</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>not a state file (it goes on after its last field)</source>
        <translation>no es un archivo de estado (sigue tras su último campo)</translation>
    </message>
    <message>
        <source>its extension block is damaged (its size is not that of what follows)</source>
        <translation>su bloque de extensión está dañado (su tamaño no es el de lo que sigue)</translation>
    </message>
    <message>
        <source>its extension block is damaged (an entry ends early)</source>
        <translation>su bloque de extensión está dañado (una entrada termina antes de tiempo)</translation>
    </message>
    <message>
        <source>its extension block is damaged (%1 has the wrong size)</source>
        <translation>su bloque de extensión está dañado (%1 tiene un tamaño incorrecto)</translation>
    </message>
    <message>
        <source>not a state file (it is empty)</source>
        <translation>no es un archivo de estado (está vacío)</translation>
    </message>
    <message>
        <source>not a state file (it does not begin as one)</source>
        <translation>no es un archivo de estado (no empieza como uno)</translation>
    </message>
    <message>
        <source>not a state file (it ends early)</source>
        <translation>no es un archivo de estado (termina antes de tiempo)</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>%1   %2</source>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>%1   %2 — key %3</source>
        <translation>%1   %2 — tecla %3</translation>
    </message>
    <message>
        <source>No function matches.</source>
        <translation>Ninguna función coincide.</translation>
    </message>
    <message>
        <source>%1 takes a register: type its digit, 0 to 9, then Return.</source>
        <translation>%1 lleva un registro: escriba su cifra, de 0 a 9, y luego Intro.</translation>
    </message>
    <message>
        <source>%1 takes a program: type its name, then Return.</source>
        <translation>%1 toma un programa: escriba su nombre y luego Intro.</translation>
    </message>
    <message>
        <source>%1 takes a number of bits: type it, 0 to 64, then Return.</source>
        <translation>%1 toma un número de bits: escríbalo, de 0 a 64, y luego Intro.</translation>
    </message>
</context>
<context>
    <name>Functions</name>
    <message>
        <source>e to the power x</source>
        <translation>e elevado a x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 elevado a x</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arcoseno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arcocoseno</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arcotangente</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>y to the power x</source>
        <translation>y elevado a x</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>enter exponent</source>
        <translation>introducir el exponente</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>display digits</source>
        <translation>decimales mostrados</translation>
    </message>
    <message>
        <source>scientific display, digits</source>
        <translation>notación científica, dígitos</translation>
    </message>
    <message>
        <source>engineering display, digits</source>
        <translation>notación de ingeniería, dígitos</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividir</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>exchange x and y</source>
        <translation>intercambiar x e y</translation>
    </message>
    <message>
        <source>roll the stack down</source>
        <translation>rotar la pila hacia abajo</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambiar el signo</translation>
    </message>
    <message>
        <source>roll the stack up</source>
        <translation>rotar la pila hacia arriba</translation>
    </message>
    <message>
        <source>angles in degrees</source>
        <translation>ángulos en grados</translation>
    </message>
    <message>
        <source>angles in radians</source>
        <translation>ángulos en radianes</translation>
    </message>
    <message>
        <source>angles in grads</source>
        <translation>ángulos en gradianes</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplicar</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>about Tabrix</source>
        <translation>acerca de Tabrix</translation>
    </message>
    <message>
        <source>hyperbolic functions</source>
        <translation>funciones hiperbólicas</translation>
    </message>
    <message>
        <source>enter, lifting the stack</source>
        <translation>introducir, subiendo la pila</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número aleatorio</translation>
    </message>
    <message>
        <source>to polar</source>
        <translation>a coordenadas polares</translation>
    </message>
    <message>
        <source>to rectangular</source>
        <translation>a coordenadas rectangulares</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>restar</translation>
    </message>
    <message>
        <source>radians to degrees</source>
        <translation>radianes a grados</translation>
    </message>
    <message>
        <source>degrees to radians</source>
        <translation>grados a radianes</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>segunda función</translation>
    </message>
    <message>
        <source>store in a register</source>
        <translation>guardar en un registro</translation>
    </message>
    <message>
        <source>recall a register</source>
        <translation>recuperar un registro</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>clear x</source>
        <translation>borrar x</translation>
    </message>
    <message>
        <source>add</source>
        <translation>sumar</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>compare x with 0: when false, skip the next step</source>
        <translation>comparar x con 0: si es falso, saltar el paso siguiente</translation>
    </message>
    <message>
        <source>compare x with y: when false, skip the next step</source>
        <translation>comparar x con y: si es falso, saltar el paso siguiente</translation>
    </message>
    <message>
        <source>absolute value</source>
        <translation>valor absoluto</translation>
    </message>
    <message>
        <source>integer part, toward zero</source>
        <translation>parte entera, hacia cero</translation>
    </message>
    <message>
        <source>fractional part, with the sign of x</source>
        <translation>parte fraccionaria, con el signo de x</translation>
    </message>
    <message>
        <source>y modulo x, with the sign of x</source>
        <translation>y módulo x, con el signo de x</translation>
    </message>
    <message>
        <source>x rounded as the display shows it</source>
        <translation>x redondeado como lo muestra la pantalla</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>coseno hiperbólico</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>coseno hiperbólico inverso</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>decimal hours to hours, minutes and seconds (H.MMSS)</source>
        <translation>horas decimales a horas, minutos y segundos (H.MMSS)</translation>
    </message>
    <message>
        <source>hours, minutes and seconds (H.MMSS) to decimal hours</source>
        <translation>horas, minutos y segundos (H.MMSS) a horas decimales</translation>
    </message>
    <message>
        <source>combinations of y things taken x at a time</source>
        <translation>combinaciones de y elementos tomados de x en x</translation>
    </message>
    <message>
        <source>permutations of y things taken x at a time</source>
        <translation>permutaciones de y elementos tomados de x en x</translation>
    </message>
    <message>
        <source>the x before the last operation</source>
        <translation>la x anterior a la última operación</translation>
    </message>
    <message>
        <source>add x to a register</source>
        <translation>sumar x a un registro</translation>
    </message>
    <message>
        <source>subtract x from a register</source>
        <translation>restar x de un registro</translation>
    </message>
    <message>
        <source>multiply a register by x</source>
        <translation>multiplicar un registro por x</translation>
    </message>
    <message>
        <source>divide a register by x</source>
        <translation>dividir un registro por x</translation>
    </message>
    <message>
        <source>run a program from its start</source>
        <translation>ejecutar un programa desde el principio</translation>
    </message>
    <message>
        <source>call a program, then go on after the step</source>
        <translation>llamar a un programa y seguir tras el paso</translation>
    </message>
    <message>
        <source>a label of the program</source>
        <translation>una etiqueta del programa</translation>
    </message>
    <message>
        <source>jump to a label of the program</source>
        <translation>saltar a una etiqueta del programa</translation>
    </message>
    <message>
        <source>return, as reaching the end does</source>
        <translation>volver, como al llegar al final</translation>
    </message>
    <message>
        <source>a register minus 1: when it is 0, skip the next step</source>
        <translation>un registro menos 1: si vale 0, saltar el paso siguiente</translation>
    </message>
    <message>
        <source>a register plus 1: when it is 0, skip the next step</source>
        <translation>un registro más 1: si vale 0, saltar el paso siguiente</translation>
    </message>
    <message>
        <source>the run stops here (cont goes on)</source>
        <translation>la ejecución se detiene aquí (cont sigue)</translation>
    </message>
    <message>
        <source>pause: show the calculator a moment</source>
        <translation>pausa: mostrar la calculadora un momento</translation>
    </message>
    <message>
        <source>go on after the stop where a run stopped</source>
        <translation>seguir tras la parada donde se detuvo una ejecución</translation>
    </message>
    <message>
        <source>one step of the stopped run</source>
        <translation>un paso de la ejecución detenida</translation>
    </message>
    <message>
        <source>begin a program stopped, then one step</source>
        <translation>empezar un programa detenido y dar un paso</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Entrada de números</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Aritmética</translation>
    </message>
    <message>
        <source>Powers and logarithms</source>
        <translation>Potencias y logaritmos</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonometría</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversiones</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>add the point (x, y) to the statistics</source>
        <translation>añadir el punto (x, y) a las estadísticas</translation>
    </message>
    <message>
        <source>take the point (x, y) back out of the statistics</source>
        <translation>quitar el punto (x, y) de las estadísticas</translation>
    </message>
    <message>
        <source>remove all points</source>
        <translation>quitar todos los puntos</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>el número de puntos</translation>
    </message>
    <message>
        <source>the means: x̄ into x, ȳ into y</source>
        <translation>las medias: x̄ en x, ȳ en y</translation>
    </message>
    <message>
        <source>sample standard deviations: sx into x, sy into y</source>
        <translation>desviaciones típicas muestrales: sx en x, sy en y</translation>
    </message>
    <message>
        <source>population standard deviations: σx into x, σy into y</source>
        <translation>desviaciones típicas poblacionales: σx en x, σy en y</translation>
    </message>
    <message>
        <source>the mean of x weighted by y</source>
        <translation>la media de x ponderada por y</translation>
    </message>
    <message>
        <source>linear regression y = a + b·x: a into x, b into y</source>
        <translation>regresión lineal y = a + b·x: a en x, b en y</translation>
    </message>
    <message>
        <source>ŷ on the regression line for x, and r into y</source>
        <translation>ŷ en la recta de regresión para x, y r en y</translation>
    </message>
    <message>
        <source>x̂ on the regression line for the y in x</source>
        <translation>x̂ en la recta de regresión para la y en x</translation>
    </message>
    <message>
        <source>the correlation coefficient r</source>
        <translation>el coeficiente de correlación r</translation>
    </message>
    <message>
        <source>the sums: Σx, Σy, Σx², Σy² into x, y, z, t</source>
        <translation>las sumas: Σx, Σy, Σx², Σy² en x, y, z, t</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>a root of a program&apos;s f(x), from two guesses in y and x</source>
        <translation>una raíz de la f(x) de un programa, a partir de dos estimaciones en y y x</translation>
    </message>
    <message>
        <source>the integral of a program&apos;s f(x) from y to x, its error estimate into y</source>
        <translation>la integral de la f(x) de un programa de y a x, su estimación de error en y</translation>
    </message>
    <message>
        <source>integer mode in hexadecimal</source>
        <translation>modo entero en hexadecimal</translation>
    </message>
    <message>
        <source>integer mode in decimal</source>
        <translation>modo entero en decimal</translation>
    </message>
    <message>
        <source>integer mode in octal</source>
        <translation>modo entero en octal</translation>
    </message>
    <message>
        <source>integer mode in binary</source>
        <translation>modo entero en binario</translation>
    </message>
    <message>
        <source>back to the float modes</source>
        <translation>volver a los modos de coma flotante</translation>
    </message>
    <message>
        <source>word size in bits, 1 to 64</source>
        <translation>tamaño de palabra en bits, de 1 a 64</translation>
    </message>
    <message>
        <source>words unsigned</source>
        <translation>palabras sin signo</translation>
    </message>
    <message>
        <source>words in ones&apos; complement</source>
        <translation>palabras en complemento a uno</translation>
    </message>
    <message>
        <source>words in two&apos;s complement</source>
        <translation>palabras en complemento a dos</translation>
    </message>
    <message>
        <source>the remainder of y ÷ x, with the sign of y</source>
        <translation>el resto de y ÷ x, con el signo de y</translation>
    </message>
    <message>
        <source>bitwise and of y and x</source>
        <translation>y bit a bit de y y x</translation>
    </message>
    <message>
        <source>bitwise or of y and x</source>
        <translation>o bit a bit de y y x</translation>
    </message>
    <message>
        <source>bitwise exclusive or of y and x</source>
        <translation>o exclusivo bit a bit de y y x</translation>
    </message>
    <message>
        <source>every bit of x inverted</source>
        <translation>cada bit de x invertido</translation>
    </message>
    <message>
        <source>shift x left one bit</source>
        <translation>desplazar x un bit a la izquierda</translation>
    </message>
    <message>
        <source>shift x left N bits</source>
        <translation>desplazar x N bits a la izquierda</translation>
    </message>
    <message>
        <source>shift x right one bit</source>
        <translation>desplazar x un bit a la derecha</translation>
    </message>
    <message>
        <source>shift x right N bits</source>
        <translation>desplazar x N bits a la derecha</translation>
    </message>
    <message>
        <source>shift x right one bit, keeping its top bit</source>
        <translation>desplazar x un bit a la derecha conservando su bit superior</translation>
    </message>
    <message>
        <source>shift x right N bits, keeping its top bit</source>
        <translation>desplazar x N bits a la derecha conservando su bit superior</translation>
    </message>
    <message>
        <source>rotate x left one bit</source>
        <translation>rotar x un bit a la izquierda</translation>
    </message>
    <message>
        <source>rotate x left N bits</source>
        <translation>rotar x N bits a la izquierda</translation>
    </message>
    <message>
        <source>rotate x right one bit</source>
        <translation>rotar x un bit a la derecha</translation>
    </message>
    <message>
        <source>rotate x right N bits</source>
        <translation>rotar x N bits a la derecha</translation>
    </message>
    <message>
        <source>a word of N ones at the top</source>
        <translation>una palabra con N unos arriba</translation>
    </message>
    <message>
        <source>a word of N ones at the bottom</source>
        <translation>una palabra con N unos abajo</translation>
    </message>
    <message>
        <source>the number of 1 bits in x</source>
        <translation>el número de bits a 1 en x</translation>
    </message>
    <message>
        <source>x shifted left until its top bit is set into y, the places into x</source>
        <translation>x desplazado a la izquierda hasta que su bit superior esté a 1 en y, las posiciones en x</translation>
    </message>
    <message>
        <source>show the higher digits of a long word</source>
        <translation>mostrar las cifras altas de una palabra larga</translation>
    </message>
    <message>
        <source>show the lower digits of a long word</source>
        <translation>mostrar las cifras bajas de una palabra larga</translation>
    </message>
    <message>
        <source>Integers and bases</source>
        <translation>Enteros y bases</translation>
    </message>
    <message>
        <source>toggle bit N of x (bit 0 is the lowest)</source>
        <translation>invertir el bit N de x (el bit 0 es el más bajo)</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1 — keyboard: %2</source>
        <translation>%1 — teclado: %2</translation>
    </message>
    <message>
        <source>%1 — shifted: %2 — keyboard: %3</source>
        <translation>%1 — con F: %2 — teclado: %3</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>keypad %1</source>
        <translation>teclado numérico %1</translation>
    </message>
</context>
<context>
    <name>PasteData</name>
    <message>
        <source>No points added: no line holds one or two numbers.</source>
        <translation>No se añadió ningún punto: ninguna línea contiene uno o dos números.</translation>
    </message>
    <message>
        <source>Added %1 points.</source>
        <translation>%1 puntos añadidos.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds no number.</source>
        <translation>Línea %1 omitida: «%2» no contiene ningún número.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds more than two numbers.</source>
        <translation>Línea %1 omitida: «%2» contiene más de dos números.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is not a way of writing a number.</source>
        <translation>Línea %1 omitida: «%2» no es una forma de escribir un número.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is beyond the range of numbers.</source>
        <translation>Línea %1 omitida: «%2» está fuera del rango de los números.</translation>
    </message>
    <message>
        <source>%1 more lines skipped.</source>
        <translation>%1 líneas más omitidas.</translation>
    </message>
</context>
<context>
    <name>PastedNumber</name>
    <message>
        <source>Pasted %1 — read “%2” as %1</source>
        <translation>Se pegó %1 — “%2” se leyó como %1</translation>
    </message>
    <message>
        <source>(“%1” is the decimal separator in your locale)</source>
        <translation>(“%1” es el separador decimal en su configuración regional)</translation>
    </message>
    <message>
        <source>(“%1” groups digits in your locale)</source>
        <translation>(“%1” es el separador de miles en su configuración regional)</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard text holds no number</source>
        <translation>No se pegó nada: el texto del portapapeles no contiene ningún número</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” and “%2” are two numbers</source>
        <translation>No se pegó nada: “%1” y “%2” son dos números</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is not a way of writing a number</source>
        <translation>No se pegó nada: “%1” no es una forma de escribir un número</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is beyond the range of numbers</source>
        <translation>No se pegó nada: “%1” está fuera del rango de números</translation>
    </message>
    <message>
        <source>(rounded to the nearest number the calculator holds)</source>
        <translation>(redondeado al número más cercano que la calculadora puede guardar)</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is too small: it would be 0</source>
        <translation>No se pegó nada: “%1” es demasiado pequeño: sería 0</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>[ProgramKeys] %1: no program may have that name</source>
        <translation>[ProgramKeys] %1: ningún programa puede llamarse así</translation>
    </message>
    <message>
        <source>[ProgramKeys] %1=%2: no key a program may have</source>
        <translation>[ProgramKeys] %1=%2: no es una tecla que pueda tener un programa</translation>
    </message>
    <message>
        <source>A program key is one key, with Ctrl or Alt if you like.</source>
        <translation>Una tecla de programa es una sola tecla, con Ctrl o Alt si lo desea.</translation>
    </message>
    <message>
        <source>%1 is typed into the calculator; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 se teclea en la calculadora; elija una tecla de función (F5) o una tecla con Ctrl o Alt (Ctrl+1).</translation>
    </message>
    <message>
        <source>%1 keeps its own work; choose another key.</source>
        <translation>%1 conserva su propia función; elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 presses a key of the calculator; choose another key.</source>
        <translation>%1 pulsa una tecla de la calculadora; elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 es un atajo de la ventana; elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 alone is no program key, so that typing stays typing; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 sola no es una tecla de programa, para que escribir siga siendo escribir; elija una tecla de función (F5) o una tecla con Ctrl o Alt (Ctrl+1).</translation>
    </message>
</context>
<context>
    <name>ProgramStore</name>
    <message>
        <source>The programs could not be read: %1. They could not be moved aside either; Tabrix starts without programs and keeps none until it is started again.</source>
        <translation>No se pudieron leer los programas: %1. Tampoco se pudieron apartar; Tabrix empieza sin programas y no guarda ninguno hasta que se inicie de nuevo.</translation>
    </message>
    <message>
        <source>The programs could not be read: %1. Tabrix starts without programs; the file is kept as %2.</source>
        <translation>No se pudieron leer los programas: %1. Tabrix empieza sin programas; el archivo se conserva como %2.</translation>
    </message>
    <message>
        <source>The programs cannot be kept: %1: %2. Tabrix tries again after the next change.</source>
        <translation>No se pueden guardar los programas: %1: %2. Tabrix lo intenta de nuevo tras el próximo cambio.</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most</source>
        <translation>“%1” no es un nombre de programa: una letra, luego letras, cifras o _, 32 como máximo</translation>
    </message>
    <message>
        <source>%1 is no step: a whole run is undone at once</source>
        <translation>%1 no es un paso: una ejecución entera se deshace de una vez</translation>
    </message>
    <message>
        <source>%1 goes on with a stopped run: it is no step</source>
        <translation>%1 continúa una ejecución detenida: no es un paso</translation>
    </message>
    <message>
        <source>%1 is for replaying a tape: a program draws with RAN#</source>
        <translation>%1 sirve para reproducir una cinta: un programa sortea con RAN#</translation>
    </message>
    <message>
        <source>a def inside the definition of %1</source>
        <translation>un def dentro de la definición de %1</translation>
    </message>
    <message>
        <source>an end without a def</source>
        <translation>un end sin def</translation>
    </message>
    <message>
        <source>the definition of %1 has no end</source>
        <translation>la definición de %1 no tiene end</translation>
    </message>
    <message>
        <source>“%1” stands outside a definition</source>
        <translation>“%1” está fuera de una definición</translation>
    </message>
    <message>
        <source>“%1” is no label: letters, digits or _</source>
        <translation>“%1” no es una etiqueta: letras, cifras o _</translation>
    </message>
    <message>
        <source>the label %1 stands twice in %2</source>
        <translation>la etiqueta %1 aparece dos veces en %2</translation>
    </message>
    <message>
        <source>no program %1 is defined</source>
        <translation>no hay ningún programa %1 definido</translation>
    </message>
    <message>
        <source>%1 takes a register, 0 to 9</source>
        <translation>%1 lleva un registro, de 0 a 9</translation>
    </message>
    <message>
        <source>“%1” is no token</source>
        <translation>“%1” no es una palabra del lenguaje</translation>
    </message>
    <message>
        <source>no label %1 in %2</source>
        <translation>no hay etiqueta %1 en %2</translation>
    </message>
    <message>
        <source>A program is running: Esc stops it</source>
        <translation>Se está ejecutando un programa: Esc lo detiene</translation>
    </message>
    <message>
        <source>No program %1 is defined</source>
        <translation>No hay ningún programa %1 definido</translation>
    </message>
    <message>
        <source>%1 calls %2, which is not defined</source>
        <translation>%1 llama a %2, que no está definido</translation>
    </message>
    <message>
        <source>No program is stopped</source>
        <translation>No hay ningún programa detenido</translation>
    </message>
    <message>
        <source>%1 does not run: %2</source>
        <translation>%1 no se ejecuta: %2</translation>
    </message>
    <message>
        <source>Running %1 — Esc stops</source>
        <translation>%1 en ejecución — Esc la detiene</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Detenido en el paso %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it reached the step limit of %4 steps.</source>
        <translation>%1 se detuvo en el paso %2 (%3): alcanzó el límite de %4 pasos.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): more than %4 calls were open.</source>
        <translation>%1 se detuvo en el paso %2 (%3): había más de %4 llamadas abiertas.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it calls a program that is not defined.</source>
        <translation>%1 se detuvo en el paso %2 (%3): llama a un programa que no está definido.</translation>
    </message>
    <message>
        <source>%1 is defined twice (also on line %2)</source>
        <translation>%1 está definido dos veces (también en la línea %2)</translation>
    </message>
    <message>
        <source>%1 (has problems)</source>
        <translation>%1 (tiene problemas)</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3).</source>
        <translation>%1 detenido en el paso %2 (%3).</translation>
    </message>
    <message>
        <source>Solving %1 — Esc stops</source>
        <translation>Resolviendo %1 — Esc detiene</translation>
    </message>
    <message>
        <source>Integrating %1 — Esc stops</source>
        <translation>Integrando %1 — Esc detiene</translation>
    </message>
    <message>
        <source>Solving %1 was stopped: the stack is as before.</source>
        <translation>Se detuvo la resolución de %1: la pila está como antes.</translation>
    </message>
    <message>
        <source>Integrating %1 was stopped: the stack is as before.</source>
        <translation>Se detuvo la integración de %1: la pila está como antes.</translation>
    </message>
    <message>
        <source>No root of %1: no sign change found: f looks like it has a minimum near x = %2.</source>
        <translation>Ninguna raíz de %1: no se halló cambio de signo: f parece tener un mínimo cerca de x = %2.</translation>
    </message>
    <message>
        <source>No root of %1: a sign change at x = %2 where f jumps (a pole?).</source>
        <translation>Ninguna raíz de %1: un cambio de signo en x = %2 donde f salta (¿un polo?).</translation>
    </message>
    <message>
        <source>No root of %1: f is not defined at x = %2.</source>
        <translation>Ninguna raíz de %1: f no está definida en x = %2.</translation>
    </message>
    <message>
        <source>No integral of %1: f is not defined at x = %2.</source>
        <translation>Ninguna integral de %1: f no está definida en x = %2.</translation>
    </message>
    <message>
        <source>The integral of %1 is less certain than 1e-12: its error estimate is %2 (%3 of ∫|f|).</source>
        <translation>La integral de %1 es menos segura que 1e-12: su estimación de error es %2 (%3 de ∫|f|).</translation>
    </message>
    <message>
        <source>%1 cannot be solved or integrated: %2 solves or integrates a program itself, and they do not nest.</source>
        <translation>%1 no se puede resolver ni integrar: %2 resuelve o integra un programa por sí mismo, y eso no se anida.</translation>
    </message>
    <message>
        <source>A guess is no number.</source>
        <translation>Una estimación no es un número.</translation>
    </message>
    <message>
        <source>There is no program yet: Programs &gt; Edit Programs makes one that takes x and leaves f(x).</source>
        <translation>Aún no hay ningún programa: Programas &gt; Editar programas crea uno que toma x y deja f(x).</translation>
    </message>
    <message>
        <source>%1 from %2 to %3: %4 sign changes, %5 gaps where f gives no value</source>
        <translation>%1 de %2 a %3: %4 cambios de signo, %5 huecos donde f no tiene valor</translation>
    </message>
    <message>
        <source>%1 is not at hand in HEX: its key types a digit there.</source>
        <translation>%1 no está disponible en HEX: su tecla escribe allí una cifra.</translation>
    </message>
</context>
<context>
    <name>SessionStore</name>
    <message>
        <source>The calculator cannot be kept for the next start: %1: %2. Tabrix tries again after the next change.</source>
        <translation>La calculadora no se puede guardar para el próximo inicio: %1: %2. Tabrix lo vuelve a intentar tras el próximo cambio.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. It could not be moved aside either; Tabrix starts afresh and saves no session until it is started again.</source>
        <translation>No se pudo leer la calculadora de la última sesión: %1. Tampoco se pudo apartar; Tabrix empieza de nuevo y no guarda ninguna sesión hasta que se vuelva a iniciar.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. Tabrix starts afresh; the file is kept as %2.</source>
        <translation>No se pudo leer la calculadora de la última sesión: %1. Tabrix empieza de nuevo; el archivo se conserva como %2.</translation>
    </message>
    <message>
        <source>%1 of the last session&apos;s tape lines could not be read and were left out; the file is kept as %2.</source>
        <translation>No se pudieron leer %1 líneas de la cinta de la última sesión y se omitieron; el archivo se conserva como %2.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>There are no points yet (Σ+ adds them).</source>
        <translation>Aún no hay puntos (Σ+ los añade).</translation>
    </message>
    <message>
        <source>One point is not enough: it needs two at least.</source>
        <translation>Un punto no basta: hacen falta al menos dos.</translation>
    </message>
    <message>
        <source>Every x is equal, so no line fits.</source>
        <translation>Todas las x son iguales, así que no se ajusta ninguna recta.</translation>
    </message>
    <message>
        <source>Every y is equal, so r is undefined.</source>
        <translation>Todas las y son iguales, así que r no está definido.</translation>
    </message>
    <message>
        <source>The slope is 0, so no x gives that y.</source>
        <translation>La pendiente es 0, así que ninguna x da esa y.</translation>
    </message>
    <message>
        <source>The weights add up to 0 (Σy = 0).</source>
        <translation>Los pesos suman 0 (Σy = 0).</translation>
    </message>
    <message>
        <source>The points are inconsistent: Σ− removed a point that was never added.</source>
        <translation>Los puntos son incoherentes: Σ− quitó un punto que nunca se añadió.</translation>
    </message>
    <message>
        <source>The result is beyond the calculator&apos;s range.</source>
        <translation>El resultado está fuera del rango de la calculadora.</translation>
    </message>
    <message>
        <source>The point is not a finite number.</source>
        <translation>El punto no es un número finito.</translation>
    </message>
    <message>
        <source>There are no points to remove.</source>
        <translation>No hay puntos que quitar.</translation>
    </message>
    <message>
        <source>No result from %1.</source>
        <translation>Sin resultado de %1.</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>el número de puntos</translation>
    </message>
    <message>
        <source>the mean of x</source>
        <translation>la media de x</translation>
    </message>
    <message>
        <source>the mean of y</source>
        <translation>la media de y</translation>
    </message>
    <message>
        <source>the sample standard deviation of x</source>
        <translation>la desviación típica muestral de x</translation>
    </message>
    <message>
        <source>the sample standard deviation of y</source>
        <translation>la desviación típica muestral de y</translation>
    </message>
    <message>
        <source>the correlation coefficient</source>
        <translation>el coeficiente de correlación</translation>
    </message>
    <message>
        <source>the intercept of the line y = a + b·x</source>
        <translation>la ordenada en el origen de la recta y = a + b·x</translation>
    </message>
    <message>
        <source>the slope of the line y = a + b·x</source>
        <translation>la pendiente de la recta y = a + b·x</translation>
    </message>
    <message>
        <source>A word cannot be divided by 0.</source>
        <translation>Una palabra no se puede dividir entre 0.</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Reset State</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Copy Exact</source>
        <translation>Copia exacta</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Load State %1</source>
        <translation>Cargar estado %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Pegar %1</translation>
    </message>
    <message>
        <source>Paste Number “%1”</source>
        <translation>Pegar número «%1»</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Ejecutar %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programa %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2</source>
        <translation>%1 detenido en el paso %2</translation>
    </message>
    <message>
        <source>Paste Data: %1 points</source>
        <translation>Pegar datos: %1 puntos</translation>
    </message>
    <message>
        <source>Solve %1</source>
        <translation>Resolver %1</translation>
    </message>
    <message>
        <source>Integrate %1</source>
        <translation>Integrar %1</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, detenido</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Save as text</source>
        <translation>Guardar como texto</translation>
    </message>
    <message>
        <source>Keep the calculator after a reload</source>
        <translation>Conservar la calculadora al recargar</translation>
    </message>
    <message>
        <source>Vibrate on key press</source>
        <translation>Vibrar al pulsar una tecla</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Menu &gt; Settings changes the keyboard keys.</source>
        <translation>Supr borra X; Escape borra la pila y los registros y conserva los modos. Menú &gt; Ajustes cambia las teclas del teclado.</translation>
    </message>
    <message>
        <source>The browser does not let the page read the clipboard: paste the text here.</source>
        <translation>El navegador no deja que la página lea el portapapeles: pegue el texto aquí.</translation>
    </message>
    <message>
        <source>The browser did not let the page copy.</source>
        <translation>El navegador no dejó que la página copiara.</translation>
    </message>
    <message>
        <source>The calculator of the last visit could not be read; it is kept aside as %1.</source>
        <translation>No se pudo leer la calculadora de la última visita; se conserva aparte como %1.</translation>
    </message>
    <message>
        <source>The calculator could not start: %1</source>
        <translation>La calculadora no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Ninguno: el programa se ejecuta.</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Ya hay un programa %1.</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>«%1» no es un nombre de programa: una letra, luego letras, cifras o _, 32 como máximo.</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>¿Borrar el programa %1?</translation>
    </message>
    <message>
        <source>Tokens that complete the word; Tab takes the first.</source>
        <translation>Tokens que completan la palabra; Tab toma el primero.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Share X</source>
        <translation>Compartir X</translation>
    </message>
    <message>
        <source>A new version of Tabrix is ready.</source>
        <translation>Hay una nueva versión de Tabrix lista.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Tap a line to put its value in X.</source>
        <translation>Toque una línea para poner su valor en X.</translation>
    </message>
</context>
</TS>
