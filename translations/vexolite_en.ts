<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The viewer's English translation: lupdate keeps its sources, lrelease compiles it at build time. -->
<!-- SPDX-License-Identifier: MIT -->
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>vexolite</name>
    <message>
        <source> CASO:</source>
        <translation> CASE:</translation>
    </message>
    <message>
        <source> SOLU:</source>
        <translation> SOLS:</translation>
    </message>
    <message>
        <source>[  F1 ] esta Ayuda<byte value="xd"/>
[  ^  ] lateral derecho   hacia arriba<byte value="xd"/>
[  ↓  ] lateral derecho   hacia abajo<byte value="xd"/>
[  ←  ] lateral derecho   hacia izquierda<byte value="xd"/>
[  →  ] lateral izquierdo hacia derecha<byte value="xd"/>
[Pg Up] anterior  CASO  (x SOLUCIONES)<byte value="xd"/>
[Pg Dn] siguiente CASO  (x SOLUCIONES)<byte value="xd"/>
[Home ] anterior  CASO  (x ORDEN)<byte value="xd"/>
[ End ] siguiente CASO  (x ORDEN)<byte value="xd"/>
[0 a 9] ingresar  CASO  (del 0 al 9 y .)<byte value="xd"/>
[  -  ] alejar    imagen<byte value="xd"/>
[  +  ] acercar   imagen<byte value="xd"/>
[ Esc ] salir<byte value="xd"/>
El caso 705 muestra la forma y el color<byte value="xd"/>
de las 7 piezas del VEXO.<byte value="xd"/>
Con Click sobre el esquema que se muestra<byte value="xd"/>
abajo a la derecha, puede quitar o volver<byte value="xd"/>
a mostrar cualquiera de los 27 cubitos<byte value="xd"/>
de que se compone cada caso.<byte value="xd"/>
1, azul,     Trinomio  plano en forma de V.<byte value="xd"/>
2, verde,    Tetronimo plano en forma de L.<byte value="xd"/>
3, cian,     Tetronimo plano en forma de T.<byte value="xd"/>
4, rojo,     Tetronimo plano en forma de Z.<byte value="xd"/>
5, lila,     Tetronimo tridimensional de <byte value="xd"/>
             forma helicoidal dextrogira.<byte value="xd"/>
6, amarillo, Tetronimo tridimensional de <byte value="xd"/>
             forma helicoidal levogira.<byte value="xd"/>
7, gris,     Tetronimo tridimensional de <byte value="xd"/>
             forma de tripode.<byte value="xd"/>
</source>
        <translation>[  F1 ] this Help<byte value="xd"/>
[  ^  ] right side        upwards<byte value="xd"/>
[  ↓  ] right side        downwards<byte value="xd"/>
[  ←  ] right side        to the left<byte value="xd"/>
[  →  ] left side         to the right<byte value="xd"/>
[Pg Up] previous  CASE  (x SOLUTIONS)<byte value="xd"/>
[Pg Dn] next      CASE  (x SOLUTIONS)<byte value="xd"/>
[Home ] previous  CASE  (x ORDER)<byte value="xd"/>
[ End ] next      CASE  (x ORDER)<byte value="xd"/>
[0 - 9] type in   CASE  (0 to 9 and .)<byte value="xd"/>
[  -  ] zoom out  image<byte value="xd"/>
[  +  ] zoom in   image<byte value="xd"/>
[ Esc ] quit<byte value="xd"/>
Case 705 shows the shape and the colour<byte value="xd"/>
of the 7 pieces of the VEXO.<byte value="xd"/>
Clicking on the plan shown at the bottom<byte value="xd"/>
right, you can hide or show again any of<byte value="xd"/>
the 27 small cubes that make up each<byte value="xd"/>
case.<byte value="xd"/>
1, blue,     Flat V-shaped tricube.<byte value="xd"/>
2, green,    Flat L-shaped tetracube.<byte value="xd"/>
3, cyan,     Flat T-shaped tetracube.<byte value="xd"/>
4, red,      Flat Z-shaped tetracube.<byte value="xd"/>
5, lilac,    Three-dimensional tetracube,<byte value="xd"/>
             a right-handed screw.<byte value="xd"/>
6, yellow,   Three-dimensional tetracube,<byte value="xd"/>
             a left-handed screw.<byte value="xd"/>
7, grey,     Three-dimensional tetracube,<byte value="xd"/>
             a tripod.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Dibujar</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ Enter ] o haciendo click aquí, dará comienzo al sistema o dibujará un caso.</source>
        <translation>Pressing the [ Enter ] key or clicking here starts the system or draws a case.</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ F1 ] o haciendo click aquí, recibira ayuda sobre el uso de las teclas en este sistema.</source>
        <translation>Pressing the [ F1 ] key or clicking here shows help on the keys of this system.</translation>
    </message>
    <message>
        <source>Arriba</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ flecha arriba ] o haciendo click aqui, la cara lateral derecha del [cubo] pasará a ocupar la cara superior del mismo.</source>
        <translation>Pressing the [ up arrow ] key or clicking here moves the right side face of the [cube] to its top face.</translation>
    </message>
    <message>
        <source>Abajo</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Izquierda</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ flecha izquierda ] o haciendo click aquí, la cara lateral derecha del [cubo] pasará a ocupar la cara lateral izquierda del mismo.</source>
        <translation>Pressing the [ left arrow ] key or clicking here moves the right side face of the [cube] to its left side face.</translation>
    </message>
    <message>
        <source>Derecha</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ flecha derecha ] o haciendo click aquí, la cara lateral izquierda del [cubo] pasará a ocupar la cara lateral derecha del mismo.</source>
        <translation>Pressing the [ right arrow ] key or clicking here moves the left side face of the [cube] to its right side face.</translation>
    </message>
    <message>
        <source>Ant x Num</source>
        <translation>Prev No.</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ Home ] o haciendo click aquí, pasará al anterior problema por número de orden.</source>
        <translation>Pressing the [ Home ] key or clicking here goes to the previous problem by number.</translation>
    </message>
    <message>
        <source>Sig x Num</source>
        <translation>Next No.</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ End ] o haciendo click aquí, pasará al siguiente problema por número de orden.</source>
        <translation>Pressing the [ End ] key or clicking here goes to the next problem by number.</translation>
    </message>
    <message>
        <source>Ant x Sol</source>
        <translation>Prev Sol</translation>
    </message>
    <message>
        <source>Pulsando  la tecla [ Pg Up ] o haciendo click aquí, pasará al anterior problema con igual o menor número de soluciones.</source>
        <translation>Pressing the [ Pg Up ] key or clicking here goes to the previous problem with as many or fewer solutions.</translation>
    </message>
    <message>
        <source>Sig x Sol</source>
        <translation>Next Sol</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ Pg Dn ] o haciendo click aquí, pasará al siguiente problema con igual o mayor número de soluciones.</source>
        <translation>Pressing the [ Pg Dn ] key or clicking here goes to the next problem with as many or more solutions.</translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ - ] o haciendo click aquí, la imagen se alejará.</source>
        <translation>Pressing the [ - ] key or clicking here zooms the image out.</translation>
    </message>
    <message>
        <source>Acercar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Pulsando la tecla [ + ] o haciendo click aqui, la imagen se acercará.</source>
        <translation>Pressing the [ + ] key or clicking here zooms the image in.</translation>
    </message>
    <message>
        <source>Genera BMP del caso que se está mostrando (alejar ANTES la imagen lo más posible).</source>
        <translation>Writes the BMP of the case shown (zoom the image out as far as possible FIRST).</translation>
    </message>
    <message>
        <source>all BMP</source>
        <translation>all BMP</translation>
    </message>
    <message>
        <source>Para generar  BMP  de todos los casos existentes.</source>
        <translation>Writes the BMP of every case there is.</translation>
    </message>
    <message>
        <source>pag BMP</source>
        <translation>page BMP</translation>
    </message>
    <message>
        <source>Para compaginar los BMP anteriomente seleccionados, en un nuevo BMP que los agrupe.</source>
        <translation>Gathers the BMP images written before onto new BMP pages.</translation>
    </message>
    <message>
        <source>Pieza 1, azul</source>
        <translation>Piece 1, blue</translation>
    </message>
    <message>
        <source>1, azul, Triónimo  plano en forma de V.</source>
        <translation>1, blue, flat V-shaped tricube.</translation>
    </message>
    <message>
        <source>Pieza 2, verde</source>
        <translation>Piece 2, green</translation>
    </message>
    <message>
        <source>2, verde, Tetrónimo plano en forma de L.</source>
        <translation>2, green, flat L-shaped tetracube.</translation>
    </message>
    <message>
        <source>Pieza 3, cian</source>
        <translation>Piece 3, cyan</translation>
    </message>
    <message>
        <source>3, celeste, Tetrónimo plano en forma de T.</source>
        <translation>3, sky blue, flat T-shaped tetracube.</translation>
    </message>
    <message>
        <source>Pieza 4, rojo</source>
        <translation>Piece 4, red</translation>
    </message>
    <message>
        <source>4, rojo, Tetrónimo plano en forma de Z.</source>
        <translation>4, red, flat Z-shaped tetracube.</translation>
    </message>
    <message>
        <source>Pieza 5, lila</source>
        <translation>Piece 5, lilac</translation>
    </message>
    <message>
        <source>5, lila, Tetrónimo tridimensional de forma helicoidal dextrógira.</source>
        <translation>5, lilac, three-dimensional tetracube, a right-handed screw.</translation>
    </message>
    <message>
        <source>Pieza 6, amarillo</source>
        <translation>Piece 6, yellow</translation>
    </message>
    <message>
        <source>6, amarillo, Tetrónimo tridimensional de forma helicoidal levógira.</source>
        <translation>6, yellow, three-dimensional tetracube, a left-handed screw.</translation>
    </message>
    <message>
        <source>Pieza 7, gris</source>
        <translation>Piece 7, grey</translation>
    </message>
    <message>
        <source>7, gris      , Tetrónimo tridimensional de forma de trípode.</source>
        <translation>7, grey, three-dimensional tetracube, a tripod.</translation>
    </message>
    <message>
        <source>Ayuda: 0 piezas</source>
        <translation>Help: 0 pieces</translation>
    </message>
    <message>
        <source>Opción para jugar sin ayuda.</source>
        <translation>Option to play without help.</translation>
    </message>
    <message>
        <source>Ayuda: 1 pieza (&gt; 10 sol)</source>
        <translation>Help: 1 piece (&gt; 10 sol)</translation>
    </message>
    <message>
        <source>Opción para jugar con ayuda.</source>
        <translation>Option to play with help.</translation>
    </message>
    <message>
        <source>Simetría eje  X.</source>
        <translation>Symmetry about the X axis.</translation>
    </message>
    <message>
        <source>Simetría eje  Y.</source>
        <translation>Symmetry about the Y axis.</translation>
    </message>
    <message>
        <source>Simetría eje  Z.</source>
        <translation>Symmetry about the Z axis.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano XY con sentido &quot;/&quot;.</source>
        <translation>Diagonal symmetry on the XY plane in the &quot;/&quot; sense.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano XY con sentido &quot;\&quot;.</source>
        <translation>Diagonal symmetry on the XY plane in the &quot;\&quot; sense.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano XZ con sentido &quot;/&quot;.</source>
        <translation>Diagonal symmetry on the XZ plane in the &quot;/&quot; sense.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano XZ con sentido &quot;\&quot;.</source>
        <translation>Diagonal symmetry on the XZ plane in the &quot;\&quot; sense.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano YZ con sentido &quot;/&quot;.</source>
        <translation>Diagonal symmetry on the YZ plane in the &quot;/&quot; sense.</translation>
    </message>
    <message>
        <source>Simetría diagonal sobre plano YZ con sentido &quot;\&quot;.</source>
        <translation>Diagonal symmetry on the YZ plane in the &quot;\&quot; sense.</translation>
    </message>
    <message>
        <source>Aquí muestra el número de Caso (nombre del Caso).</source>
        <translation>Shows the number of the Case (the Case&apos;s name).</translation>
    </message>
    <message>
        <source>Aquí muestra la cantidad de soluciones que tiene el caso que se esta observando.</source>
        <translation>Shows the number of solutions of the case being viewed.</translation>
    </message>
    <message>
        <source>Sime</source>
        <translation>Symm</translation>
    </message>
    <message>
        <source>Aquí puede ingresar un número de caso usando los números 1,2,3,4,5,6,7,8,9,0 y el punto [.] cuando sea necesario.</source>
        <translation>Type a case number here with the digits 1,2,3,4,5,6,7,8,9,0 and the point [.] where needed.</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>no se puede abrir</source>
        <translation>it cannot be opened</translation>
    </message>
    <message>
        <source>el archivo no esta abierto</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>no existe el registro 0</source>
        <translation>there is no record 0</translation>
    </message>
    <message>
        <source>no se puede medir su longitud</source>
        <translation>its length cannot be measured</translation>
    </message>
    <message>
        <source>el archivo termina antes del final de ese registro</source>
        <translation>the file ends before the end of that record</translation>
    </message>
    <message>
        <source>la lectura del registro fallo</source>
        <translation>reading the record failed</translation>
    </message>
    <message>
        <source>la lectura de los registros fallo</source>
        <translation>reading the records failed</translation>
    </message>
    <message>
        <source>no se puede abrir (%1)</source>
        <translation>it cannot be opened (%1)</translation>
    </message>
    <message>
        <source>esta vacio</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>no es un archivo BMP</source>
        <translation>it is not a BMP file</translation>
    </message>
    <message>
        <source>mide %1 bytes, menos que las cabeceras de un BMP</source>
        <translation>it is %1 bytes long, less than the headers of a BMP</translation>
    </message>
    <message>
        <source>tiene una cabecera BMP de %1 bytes, que no se admite</source>
        <translation>it has a BMP header of %1 bytes, which is not supported</translation>
    </message>
    <message>
        <source>esta cortado: mide %1 bytes, menos que sus cabeceras</source>
        <translation>it is cut short: it is %1 bytes long, less than its headers</translation>
    </message>
    <message>
        <source>declara %1 x %2 pixeles, que no es un tamano de imagen</source>
        <translation>it declares %1 x %2 pixels, which is not an image size</translation>
    </message>
    <message>
        <source>declara %1 x %2 pixeles, mas de lo que puede medir una imagen de caso</source>
        <translation>it declares %1 x %2 pixels, more than a case image can measure</translation>
    </message>
    <message>
        <source>declara %1 bits por pixel</source>
        <translation>it declares %1 bits per pixel</translation>
    </message>
    <message>
        <source>esta cortado: sus pixeles piden %1 bytes y mide %2</source>
        <translation>it is cut short: its pixels need %1 bytes and it is %2 long</translation>
    </message>
    <message>
        <source>esta cortado: sus pixeles empiezan en el byte %1 y mide %2</source>
        <translation>it is cut short: its pixels start at byte %1 and it is %2 long</translation>
    </message>
    <message>
        <source>usa una compresion (%1) que no se admite</source>
        <translation>it uses a compression (%1) that is not supported</translation>
    </message>
    <message>
        <source>no se puede crear el archivo temporal %1</source>
        <translation>the temporary file %1 cannot be created</translation>
    </message>
    <message>
        <source>no se puede crear el archivo temporal %1 (%2)</source>
        <translation>the temporary file %1 cannot be created (%2)</translation>
    </message>
    <message>
        <source>no se pudo escribir entero</source>
        <translation>it could not be written whole</translation>
    </message>
    <message>
        <source>no se pudo escribir entero (%1)</source>
        <translation>it could not be written whole (%1)</translation>
    </message>
    <message>
        <source>no se puede poner en su sitio (%1)</source>
        <translation>it cannot be put in its place (%1)</translation>
    </message>
    <message>
        <source>no hay memoria para la imagen</source>
        <translation>there is no memory for the image</translation>
    </message>
    <message>
        <source>no se puede codificar como BMP (%1)</source>
        <translation>it cannot be encoded as BMP (%1)</translation>
    </message>
    <message>
        <source>mide %1 bytes, demasiado para una imagen de caso</source>
        <translation>it is %1 bytes long, too much for a case image</translation>
    </message>
    <message>
        <source>no se puede leer entero (%1)</source>
        <translation>it cannot be read whole (%1)</translation>
    </message>
    <message>
        <source>no es una imagen BMP que se pueda leer</source>
        <translation>it is not a BMP image that can be read</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>no es una carpeta</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>no se puede leer su contenido</source>
        <translation>its contents cannot be read</translation>
    </message>
    <message>
        <source>el byte alto vale %1, 128 o mas</source>
        <translation>the high byte is %1, 128 or more</translation>
    </message>
    <message>
        <source>el valor de caso %1 tiene mas de 4 cifras</source>
        <translation>the case value %1 has more than 4 digits</translation>
    </message>
    <message>
        <source>el grupo de celdas %1 vale %2, mas de 4 cifras</source>
        <translation>the cell group %1 is %2, more than 4 digits</translation>
    </message>
    <message>
        <source>la figura tiene mas de 27 cubitos</source>
        <translation>the figure has more than 27 small cubes</translation>
    </message>
    <message>
        <source>la figura tiene mas de 16 capas</source>
        <translation>the figure has more than 16 layers</translation>
    </message>
    <message>
        <source>una capa tiene mas de 16 filas</source>
        <translation>a layer has more than 16 rows</translation>
    </message>
    <message>
        <source>una fila tiene mas de 16 celdas</source>
        <translation>a row has more than 16 cells</translation>
    </message>
    <message>
        <source>la figura tiene un signo no valido</source>
        <translation>the figure has an invalid sign</translation>
    </message>
    <message>
        <source>el registro no es valido</source>
        <translation>the record is not valid</translation>
    </message>
    <message>
        <source>No se encuentra el archivo %1. Se busco en: %2.</source>
        <translation>The file %1 cannot be found. Searched in: %2.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1: %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1: no se puede medir.</source>
        <translation>The file %1 cannot be read: it cannot be measured.</translation>
    </message>
    <message>
        <source>El archivo %1 esta vacio: no tiene ningun caso.</source>
        <translation>The file %1 is empty: it holds no case.</translation>
    </message>
    <message>
        <source>El archivo %1 mide %2 bytes, menos que un caso de 154 bytes: no tiene ningun caso.</source>
        <translation>The file %1 is %2 bytes long, less than one case of 154 bytes: it holds no case.</translation>
    </message>
    <message>
        <source>El archivo %1 mide %2 bytes, que no es multiplo de 154: se ignoran los %3 bytes del registro final incompleto.</source>
        <translation>The file %1 is %2 bytes long, which is not a multiple of 154: the %3 bytes of the incomplete last record are ignored.</translation>
    </message>
    <message>
        <source>No se puede leer el registro %1 del archivo %2: %3.</source>
        <translation>Record %1 of the file %2 cannot be read: %3.</translation>
    </message>
    <message>
        <source>El registro %1 del archivo %2 no es un caso valido: %3 (byte %4 del registro).</source>
        <translation>Record %1 of the file %2 is not a valid case: %3 (byte %4 of the record).</translation>
    </message>
    <message>
        <source>En proxima pantalla pulsar enter para dar comienzo al sistema</source>
        <translation>On the next screen press Enter to start the system</translation>
    </message>
    <message>
        <source>; y %1 mas</source>
        <translation>; and %1 more</translation>
    </message>
    <message>
        <source>No se pueden leer como imagen %1 archivo, que no entra en las paginas: %2.</source>
        <translation>%1 file cannot be read as an image and is left off the pages: %2.</translation>
    </message>
    <message>
        <source>No se pueden leer como imagen %1 archivos, que no entran en las paginas: %2.</source>
        <translation>%1 files cannot be read as images and are left off the pages: %2.</translation>
    </message>
    <message>
        <source> No se escribio ninguna pagina.</source>
        <translation> No page was written.</translation>
    </message>
    <message>
        <source>Todavia no hay ningun caso dibujado: pulsar enter para dibujar uno antes de generar su BMP.</source>
        <translation>No case has been drawn yet: press Enter to draw one before writing its BMP.</translation>
    </message>
    <message>
        <source>No se puede escribir el archivo %1: %2.</source>
        <translation>The file %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>%1 La generacion de los BMP de todos los casos se detiene aqui.</source>
        <translation>%1 Writing the BMP images of every case stops here.</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta %1: %2.</source>
        <translation>The folder %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>No se encontro ninguna imagen de caso (%1) en la carpeta %2: no se escribio ninguna pagina.</source>
        <translation>No case image (%1) was found in the folder %2: no page was written.</translation>
    </message>
    <message>
        <source>No se puede escribir la pagina %1: los nombres de pagina solo tienen dos cifras, de vexo-pag01.bmp a vexo-pag99.bmp. Las paginas ya escritas quedan como estan; para empezar de nuevo por vexo-pag01.bmp hay que cerrar el programa y volver a abrirlo.</source>
        <translation>Page %1 cannot be written: page names have only two digits, from vexo-pag01.bmp to vexo-pag99.bmp. The pages already written stay as they are; to start again from vexo-pag01.bmp, close the program and open it again.</translation>
    </message>
    <message>
        <source>No se puede escribir el archivo %1: %2. La composicion de paginas se detiene aqui.</source>
        <translation>The file %1 cannot be written: %2. Composing the pages stops here.</translation>
    </message>
    <message>
        <source>Vexolite: catalogo de figuras</source>
        <translation>Vexolite: catalogue of figures</translation>
    </message>
    <message>
        <source>Catalogo de figuras del cubo de siete piezas</source>
        <translation>Catalogue of figures of the seven-piece cube</translation>
    </message>
    <message>
        <source>1 caso</source>
        <translation>1 case</translation>
    </message>
    <message>
        <source>%1 casos</source>
        <translation>%1 cases</translation>
    </message>
    <message>
        <source>Cada figura se arma con las siete piezas.</source>
        <translation>Every figure is built from all seven pieces.</translation>
    </message>
    <message>
        <source>Al final del libro hay una solucion de cada figura.</source>
        <translation>At the back of the book is one solution of each figure.</translation>
    </message>
    <message>
        <source>Las siete piezas</source>
        <translation>The seven pieces</translation>
    </message>
    <message>
        <source>Portada</source>
        <translation>Title page</translation>
    </message>
    <message>
        <source>Figuras</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Caso %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Casos %1 a %2</source>
        <translation>Cases %1 to %2</translation>
    </message>
    <message>
        <source>Pagina %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Trinomio plano en forma de V.</source>
        <translation>Flat V-shaped tricube.</translation>
    </message>
    <message>
        <source>Tetronimo plano en forma de L.</source>
        <translation>Flat L-shaped tetracube.</translation>
    </message>
    <message>
        <source>Tetronimo plano en forma de T.</source>
        <translation>Flat T-shaped tetracube.</translation>
    </message>
    <message>
        <source>Tetronimo plano en forma de Z.</source>
        <translation>Flat Z-shaped tetracube.</translation>
    </message>
    <message>
        <source>Tetronimo tridimensional de forma helicoidal dextrogira.</source>
        <translation>Three-dimensional tetracube, a right-handed screw.</translation>
    </message>
    <message>
        <source>Tetronimo tridimensional de forma helicoidal levogira.</source>
        <translation>Three-dimensional tetracube, a left-handed screw.</translation>
    </message>
    <message>
        <source>Tetronimo tridimensional de forma de tripode.</source>
        <translation>Three-dimensional tetracube, a tripod.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>La sesion ha terminado. Pulsar el boton para empezar de nuevo.</source>
        <translation>The session has ended. Press the button to start again.</translation>
    </message>
    <message>
        <source>Empezar de nuevo</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Abrir archivo</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Abre un archivo de casos (VEXOLITE.DAT) o anade imagenes caso*.BMP a la carpeta de trabajo; tambien se pueden soltar sobre la pagina</source>
        <translation>Opens a case file (VEXOLITE.DAT) or adds caso*.BMP images to the working folder; they can also be dropped on the page</translation>
    </message>
    <message>
        <source>Caso %1, %2 soluciones, tamano %3 x %4 x %5</source>
        <translation>Case %1, %2 solutions, size %3 x %4 x %5</translation>
    </message>
    <message>
        <source>Ningun caso dibujado</source>
        <translation>No case drawn</translation>
    </message>
    <message>
        <source>mide %1 bytes, mas de lo que la pagina puede tomar</source>
        <translation>is %1 bytes long, more than the page can take</translation>
    </message>
    <message>
        <source>no es un nombre de archivo</source>
        <translation>is not a file name</translation>
    </message>
</context>
</TS>
