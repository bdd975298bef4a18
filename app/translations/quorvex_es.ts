<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../../mathlib/catalogue.def" line="+33"/>
        <source>pi, the ratio of a circle&apos;s circumference to its diameter</source>
        <translation>pi, la razón entre la longitud de una circunferencia y su diámetro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;pi;</source>
        <translation>&amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bernstein&apos;s constant</source>
        <translation>constante de Bernstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bernstein constant</source>
        <translation>constante de Bernstein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 2</source>
        <translation>raíz cúbica de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 3</source>
        <translation>raíz cúbica de 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 10</source>
        <translation>raíz cúbica de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 100</source>
        <translation>raíz cúbica de 100</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of pi</source>
        <translation>raíz cúbica de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cube root of &amp;pi;</source>
        <translation>raíz cúbica de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Catalan&apos;s constant</source>
        <translation>constante de Catalan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Catalan constant</source>
        <translation>constante de Catalan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>pi/2</source>
        <translation>pi/2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;pi;/2</source>
        <translation>&amp;pi;/2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>pi/3</source>
        <translation>pi/3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;pi;/3</source>
        <translation>&amp;pi;/3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>pi/4</source>
        <translation>pi/4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;pi;/4</source>
        <translation>&amp;pi;/4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 2</source>
        <translation>raíz cuadrada de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 3</source>
        <translation>raíz cuadrada de 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 5</source>
        <translation>raíz cuadrada de 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 10</source>
        <translation>raíz cuadrada de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of pi</source>
        <translation>raíz cuadrada de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of &amp;pi;</source>
        <translation>raíz cuadrada de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 2*pi</source>
        <translation>raíz cuadrada de 2*pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of 2&amp;pi;</source>
        <translation>raíz cuadrada de 2&amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2*pi</source>
        <translation>2*pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2&amp;pi;</source>
        <translation>2&amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>3*pi</source>
        <translation>3*pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3&amp;pi;</source>
        <translation>3&amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of 2</source>
        <translation>logaritmo natural de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of 10</source>
        <translation>logaritmo natural de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of pi</source>
        <translation>logaritmo natural de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>natural logarithm of &amp;pi;</source>
        <translation>logaritmo natural de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 2 (logbase2 is the function)</source>
        <translation>logaritmo en base 10 de 2 (logbase2 es la función)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of 2</source>
        <translation>logaritmo en base 10 de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 3</source>
        <translation>logaritmo en base 10 de 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of pi</source>
        <translation>logaritmo en base 10 de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>base-10 logarithm of &amp;pi;</source>
        <translation>logaritmo en base 10 de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of e</source>
        <translation>logaritmo en base 10 de e</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e, the base of the natural logarithm</source>
        <translation>e, la base del logaritmo natural</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>e, the natural constant</source>
        <translation>e, la constante de Napier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half the natural logarithm of 2*pi</source>
        <translation>la mitad del logaritmo natural de 2*pi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ln(2&amp;pi;)/2</source>
        <translation>ln(2&amp;pi;)/2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1/(2*pi), to 15 significant digits only</source>
        <translation>1/(2*pi), con solo 15 cifras significativas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0.5/&amp;pi;, given to 15 significant digits only</source>
        <translation>0.5/&amp;pi;, dado con solo 15 cifras significativas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 to the power 63</source>
        <translation>2 elevado a 63</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the golden ratio</source>
        <translation>el número áureo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ratio</source>
        <translation>número áureo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the Euler-Mascheroni constant</source>
        <translation>la constante de Euler-Mascheroni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Euler&apos;s constant &amp;gamma;</source>
        <translation>constante de Euler &amp;gamma;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>degrees per radian, 180/pi: sin(30/deg) is 0.5</source>
        <translation>grados por radián, 180/pi: sin(30/deg) es 0.5</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>180/&amp;pi;, degrees per radian</source>
        <translation>180/&amp;pi;, grados por radián</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>atomic mass unit (kg)</source>
        <translation>unidad de masa atómica (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Avogadro constant (1/mol)</source>
        <translation>constante de Avogadro (1/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boltzmann constant (J/K)</source>
        <translation>constante de Boltzmann (J/K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron charge (C)</source>
        <translation>carga del electrón (C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron mass (kg)</source>
        <translation>masa del electrón (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron volt (J)</source>
        <translation>electronvoltio (J)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Faraday constant (C/mol)</source>
        <translation>constante de Faraday (C/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gas constant (J/(mol K))</source>
        <translation>constante de los gases (J/(mol K))</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>neutron mass (kg)</source>
        <translation>masa del neutrón (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Planck constant (J s)</source>
        <translation>constante de Planck (J s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>proton mass (kg)</source>
        <translation>masa del protón (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>speed of light (m/s)</source>
        <translation>velocidad de la luz (m/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>standard gravitational acceleration (m/s^2)</source>
        <translation>aceleración estándar de la gravedad (m/s^2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard acceleration of gravity (m/s&amp;sup2;)</source>
        <translation>aceleración estándar de la gravedad (m/s&amp;sup2;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>normal atmospheric pressure (N/m^2)</source>
        <translation>presión atmosférica normal (N/m^2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>normal atmospheric pressure (N/m&amp;sup2;)</source>
        <translation>presión atmosférica normal (N/m&amp;sup2;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stefan-Boltzmann constant (W/(m^2 K^4))</source>
        <translation>constante de Stefan-Boltzmann (W/(m^2 K^4))</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stefan-Boltzmann constant (W/(m&amp;sup2; K&lt;sup&gt;4&lt;/sup&gt;))</source>
        <translation>constante de Stefan-Boltzmann (W/(m&amp;sup2; K&lt;sup&gt;4&lt;/sup&gt;))</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bohr radius (m)</source>
        <translation>radio de Bohr (m)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+7"/>
        <location line="+31"/>
        <location line="+12"/>
        <location line="+92"/>
        <location line="+14"/>
        <location line="+37"/>
        <source>any x</source>
        <translation>cualquier x</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sine of x in radians, in [-1, 1]. Any x: huge arguments are reduced exactly, so sin(1E19) is the true sine of that number.</source>
        <translation>el seno de x en radianes, en [-1, 1]. Cualquier x: los argumentos enormes se reducen exactamente, de modo que sin(1E19) es el verdadero seno de ese número.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosine of x in radians, in [-1, 1]. Any x, reduced exactly as for sin.</source>
        <translation>el coseno de x en radianes, en [-1, 1]. Cualquier x, reducido exactamente como en sin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x up to about 709.78</source>
        <translation>x hasta unos 709.78</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e raised to the power x</source>
        <translation>e elevado a x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e&lt;sup&gt;x&lt;/sup&gt;. Above x of about 709.78 the result overflows; far below zero it quietly becomes 0.</source>
        <translation>e&lt;sup&gt;x&lt;/sup&gt;. Para x por encima de unos 709.78 el resultado se desborda; muy por debajo de cero pasa a ser 0 sin aviso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+36"/>
        <location line="+6"/>
        <source>x &gt; 0</source>
        <translation>x &gt; 0</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the natural logarithm, for x &amp;gt; 0. ln(0) is a division by zero, a negative x an invalid floating point operation.</source>
        <translation>el logaritmo natural, para x &amp;gt; 0. ln(0) es una división por cero, y una x negativa, una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| up to about 1.34e154</source>
        <translation>|x| hasta unos 1.34e154</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x*x</source>
        <translation>x*x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x&amp;middot;x. Results beyond about 1.797E+308 (|x| above about 1.34E+154) are a floating point overflow.</source>
        <translation>x&amp;middot;x. Los resultados por encima de unos 1.797E+308 (|x| mayor que unos 1.34E+154) son un desbordamiento de coma flotante.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x &gt;= 0</source>
        <translation>x &gt;= 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the square root of x, for x &amp;ge; 0. A negative x is an invalid floating point operation.</source>
        <translation>la raíz cuadrada de x, para x &amp;ge; 0. Una x negativa es una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>absolute value</source>
        <translation>valor absoluto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the absolute value |x|. Any x.</source>
        <translation>el valor absoluto |x|. Cualquier x.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+31"/>
        <location line="+136"/>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>|x| &lt;= 2^63</source>
        <translation>|x| &lt;= 2^63</translation>
    </message>
    <message>
        <location line="-180"/>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the tangent of x, sin x / cos x. |x| must not exceed 2&lt;sup&gt;63&lt;/sup&gt; (9223372036854775808); beyond it a domain check failure. Near odd multiples of &amp;pi;/2 the value is large but finite.</source>
        <translation>la tangente de x, sin x / cos x. |x| no debe superar 2&lt;sup&gt;63&lt;/sup&gt; (9223372036854775808); más allá, un error de comprobación del dominio. Cerca de los múltiplos impares de &amp;pi;/2 el valor es grande pero finito.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse tangent, in (-pi/2, pi/2)</source>
        <translation>arcotangente, en (-pi/2, pi/2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse tangent, any x, in (-&amp;pi;/2, &amp;pi;/2).</source>
        <translation>la arcotangente, cualquier x, en (-&amp;pi;/2, &amp;pi;/2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>base-10 logarithm</source>
        <translation>logaritmo en base 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-10 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>el logaritmo en base 10, para x &amp;gt; 0; si no, un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>base-2 logarithm</source>
        <translation>logaritmo en base 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-2 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>el logaritmo en base 2, para x &amp;gt; 0; si no, un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>0 &lt; |x| &lt;= 2^63</source>
        <translation>0 &lt; |x| &lt;= 2^63</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>cotangent, 1/tan x</source>
        <translation>cotangente, 1/tan x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cotangent, 1 / tan x. cot(0) is a division by zero; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>la cotangente, 1 / tan x. cot(0) es una división por cero; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>secant, 1/cos x</source>
        <translation>secante, 1/cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the secant, 1 / cos x; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>la secante, 1 / cos x; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cosecant, 1/sin x</source>
        <translation>cosecante, 1/sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosecant, 1 / sin x; where sin x is 0 (csc(0)) a domain check failure; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>la cosecante, 1 / sin x; donde sin x es 0 (csc(0)), un error de comprobación del dominio; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>|x| &lt;= 1</source>
        <translation>|x| &lt;= 1</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>inverse sine, in [-pi/2, pi/2]</source>
        <translation>arcoseno, en [-pi/2, pi/2]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse sine, for -1 &amp;le; x &amp;le; 1, in [-&amp;pi;/2, &amp;pi;/2]; arcsin(1) is &amp;pi;/2. Outside, a domain check failure.</source>
        <translation>el arcoseno, para -1 &amp;le; x &amp;le; 1, en [-&amp;pi;/2, &amp;pi;/2]; arcsin(1) es &amp;pi;/2. Fuera de ese intervalo, un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>inverse cosine, in [0, pi]</source>
        <translation>arcocoseno, en [0, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosine, for -1 &amp;le; x &amp;le; 1, in [0, &amp;pi;]; arccos(-1) is &amp;pi;. Outside, a domain check failure.</source>
        <translation>el arcocoseno, para -1 &amp;le; x &amp;le; 1, en [0, &amp;pi;]; arccos(-1) es &amp;pi;. Fuera de ese intervalo, un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+31"/>
        <location line="+6"/>
        <location line="+43"/>
        <source>x &lt;&gt; 0</source>
        <translation>x &lt;&gt; 0</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>inverse cotangent, arctan(1/x)</source>
        <translation>arcocotangente, arctan(1/x)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cotangent, arctan(1/x), for x &amp;ne; 0, in (-&amp;pi;/2, &amp;pi;/2): arccot(-1) is -&amp;pi;/4. arccot(0) is a domain check failure.</source>
        <translation>la arcocotangente, arctan(1/x), para x &amp;ne; 0, en (-&amp;pi;/2, &amp;pi;/2): arccot(-1) es -&amp;pi;/4. arccot(0) es un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+8"/>
        <source>|x| &gt;= 1</source>
        <translation>|x| &gt;= 1</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>inverse secant</source>
        <translation>arcosecante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse secant, arccos(1/x), for |x| &amp;ge; 1, in [0, &amp;pi;]: arcsec(2) is &amp;pi;/3 and arcsec(-2) is 2&amp;pi;/3. For |x| &amp;lt; 1 there is no real value: an invalid floating point operation.</source>
        <translation>la arcosecante, arccos(1/x), para |x| &amp;ge; 1, en [0, &amp;pi;]: arcsec(2) es &amp;pi;/3 y arcsec(-2) es 2&amp;pi;/3. Para |x| &amp;lt; 1 no hay valor real: una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse cosecant</source>
        <translation>arcocosecante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosecant, arcsin(1/x), for |x| &amp;ge; 1, in [-&amp;pi;/2, &amp;pi;/2]: arccsc(1) is &amp;pi;/2 and arccsc(-2) is -&amp;pi;/6. For |x| &amp;lt; 1, an invalid floating point operation.</source>
        <translation>la arcocosecante, arcsin(1/x), para |x| &amp;ge; 1, en [-&amp;pi;/2, &amp;pi;/2]: arccsc(1) es &amp;pi;/2 y arccsc(-2) es -&amp;pi;/6. Para |x| &amp;lt; 1, una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+27"/>
        <source>|x| up to about 710.48</source>
        <translation>|x| hasta unos 710.48</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>hyperbolic cosine</source>
        <translation>coseno hiperbólico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosine, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, at least 1. Overflows for |x| above about 710.48: cosh(710) is about 1.117E308, cosh(711) fails.</source>
        <translation>el coseno hiperbólico, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, como mínimo 1. Se desborda para |x| mayor que unos 710.48: cosh(710) es aproximadamente 1.117E308, cosh(711) falla.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic cotangent</source>
        <translation>cotangente hiperbólica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cotangent, 1 / tanh x, for x &amp;ne; 0; coth(0) is a division by zero. coth(1E-30) is 1E30.</source>
        <translation>la cotangente hiperbólica, 1 / tanh x, para x &amp;ne; 0; coth(0) es una división por cero. coth(1E-30) es 1E30.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic cosecant</source>
        <translation>cosecante hiperbólica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosecant, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), for x &amp;ne; 0; csch(0) is a domain check failure. csch(1E-30) is 1E30.</source>
        <translation>la cosecante hiperbólica, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), para x &amp;ne; 0; csch(0) es un error de comprobación del dominio. csch(1E-30) es 1E30.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>hyperbolic secant</source>
        <translation>secante hiperbólica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic secant, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), in (0, 1]; quietly 0 far out.</source>
        <translation>la secante hiperbólica, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), en (0, 1]; lejos del origen, 0 sin aviso.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic sine</source>
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic sine, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Overflows for |x| above about 710.48; accurate also for tiny x (sinh(1E-30) is 1E-30).</source>
        <translation>el seno hiperbólico, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Se desborda para |x| mayor que unos 710.48; preciso también para x diminutas (sinh(1E-30) es 1E-30).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic tangent</source>
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic tangent, in [-1, 1]; exactly 1 or -1 far out (tanh(6000) is 1); accurate for tiny x (tanh(1E-30) is 1E-30).</source>
        <translation>la tangente hiperbólica, en [-1, 1]; exactamente 1 o -1 lejos del origen (tanh(6000) es 1); precisa para x diminutas (tanh(1E-30) es 1E-30).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>x &gt;= 1</source>
        <translation>x &gt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cosine</source>
        <translation>coseno hiperbólico inverso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosine, ln(x + &amp;radic;(x&amp;sup2; - 1)), for x &amp;ge; 1, at least 0; arccosh(1) is 0. Below 1, a domain check failure.</source>
        <translation>el coseno hiperbólico inverso, ln(x + &amp;radic;(x&amp;sup2; - 1)), para x &amp;ge; 1, como mínimo 0; arccosh(1) es 0. Por debajo de 1, un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| &gt; 1</source>
        <translation>|x| &gt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cotangent</source>
        <translation>cotangente hiperbólica inversa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cotangent, &amp;frac12; ln((x + 1)/(x - 1)), for |x| &amp;gt; 1. |x| = 1 is a domain check failure, |x| &amp;lt; 1 an invalid floating point operation.</source>
        <translation>la cotangente hiperbólica inversa, &amp;frac12; ln((x + 1)/(x - 1)), para |x| &amp;gt; 1. |x| = 1 es un error de comprobación del dominio, y |x| &amp;lt; 1, una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic cosecant</source>
        <translation>cosecante hiperbólica inversa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosecant, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x) with s the sign of x, for x &amp;ne; 0; arccsch(0) is a domain check failure.</source>
        <translation>la cosecante hiperbólica inversa, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x), donde s es el signo de x, para x &amp;ne; 0; arccsch(0) es un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0 &lt; x &lt;= 1</source>
        <translation>0 &lt; x &lt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic secant</source>
        <translation>secante hiperbólica inversa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic secant, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), for 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 is a domain check failure, x = 0 a division by zero, -1 &amp;le; x &amp;lt; 0 an invalid floating point operation.</source>
        <translation>la secante hiperbólica inversa, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), para 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 es un error de comprobación del dominio; x = 0, una división por cero, y -1 &amp;le; x &amp;lt; 0, una operación de coma flotante no válida.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic sine</source>
        <translation>seno hiperbólico inverso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic sine, ln(x + &amp;radic;(x&amp;sup2; + 1)), any x. It is odd, arcsinh(-x) = -arcsinh(x), so large negative arguments are as accurate as positive ones.</source>
        <translation>el seno hiperbólico inverso, ln(x + &amp;radic;(x&amp;sup2; + 1)), cualquier x. Es impar, arcsinh(-x) = -arcsinh(x), de modo que los argumentos negativos grandes son tan precisos como los positivos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>|x| &lt; 1</source>
        <translation>|x| &lt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic tangent</source>
        <translation>tangente hiperbólica inversa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic tangent, ln(&amp;radic;((1 + x)/(1 - x))), for |x| &amp;lt; 1; arctanh(0.5) is 0.549306144334055. |x| &amp;ge; 1 is a domain check failure.</source>
        <translation>la tangente hiperbólica inversa, ln(&amp;radic;((1 + x)/(1 - x))), para |x| &amp;lt; 1; arctanh(0.5) es 0.549306144334055. |x| &amp;ge; 1 es un error de comprobación del dominio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 - sin x</source>
        <translation>1 - sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - sin x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - sin x, en [0, 2]; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec x - 1</source>
        <translation>sec x - 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sec x - 1; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>sec x - 1; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 - cos x)/2</source>
        <translation>(1 - cos x)/2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(1 - cos x) / 2, in [0, 1]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>(1 - cos x) / 2, en [0, 1]; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 - cos x</source>
        <translation>1 - cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - cos x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - cos x, en [0, 2]; |x| hasta 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>x &gt; 0; x = 0 and z &gt;= 0; x &lt; 0 and whole z</source>
        <translation>x &gt; 0; x = 0 y z &gt;= 0; x &lt; 0 y z entero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>x raised to the power z</source>
        <translation>x elevado a z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x raised to the power z. power(x;0) and power(1;z) are 1 (so power(0;0) is 1); power(0;z) is 0 for z &amp;gt; 0 and fails with &quot;Power function: Result is infinite&quot; for z &amp;lt; 0; a negative base needs a whole exponent, otherwise &quot;Power function: Result is complex&quot;: power(-2;3) is -8, power(-2;2) is 4.</source>
        <translation>x elevado a z. power(x;0) y power(1;z) son 1 (así que power(0;0) es 1); power(0;z) es 0 para z &amp;gt; 0 y falla con &quot;Función potencia: el resultado es infinito&quot; para z &amp;lt; 0; una base negativa requiere un exponente entero; si no, &quot;Función potencia: el resultado es complejo&quot;: power(-2;3) es -8, power(-2;2) es 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>any h and v</source>
        <translation>cualquier h y v</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hypotenuse, sqrt(h*h + v*v)</source>
        <translation>hipotenusa, sqrt(h*h + v*v)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length of the hypotenuse, &amp;radic;(h&amp;sup2; + v&amp;sup2;), computed without squaring large numbers: pythag(3;4) is 5, pythag(1E200;1E200) is about 1.414E200.</source>
        <translation>la longitud de la hipotenusa, &amp;radic;(h&amp;sup2; + v&amp;sup2;), calculada sin elevar al cuadrado números grandes: pythag(3;4) es 5, pythag(1E200;1E200) es aproximadamente 1.414E200.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>base &gt; 0, base &lt;&gt; 1, x &gt; 0</source>
        <translation>base &gt; 0, base &lt;&gt; 1, x &gt; 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logarithm of x to the base</source>
        <translation>logaritmo de x en la base dada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the logarithm of x to the given base: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Needs x &amp;gt; 0, base &amp;gt; 0 and base &amp;ne; 1; otherwise a domain check failure. Example: logbaseN(4;6.25).</source>
        <translation>el logaritmo de x en la base dada: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Requiere x &amp;gt; 0, base &amp;gt; 0 y base &amp;ne; 1; si no, un error de comprobación del dominio. Ejemplo: logbaseN(4;6.25).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>any x and z</source>
        <translation>cualquier x y z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>angle of the point (z, x), in (-pi, pi]</source>
        <translation>ángulo del punto (z, x), en (-pi, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the angle of the point (z, x): arctan(x/z) with the quadrant taken from both signs, in (-&amp;pi;, &amp;pi;]. z = 0 is allowed: arctan2(1;0) is &amp;pi;/2, arctan2(0;0) is 0, arctan2(0;-1) is &amp;pi;.</source>
        <translation>el ángulo del punto (z, x): arctan(x/z) con el cuadrante que dan ambos signos, en (-&amp;pi;, &amp;pi;]. Se admite z = 0: arctan2(1;0) es &amp;pi;/2, arctan2(0;0) es 0, arctan2(0;-1) es &amp;pi;.</translation>
    </message>
    <message>
        <location filename="../../mathlib/catalogue.cpp" line="+32"/>
        <source>Algebraic</source>
        <translation>Algebraicas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transcendental</source>
        <translation>Trascendentes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigonometric</source>
        <translation>Trigonométricas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other trigonometric</source>
        <translation>Otras trigonométricas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hyperbolic</source>
        <translation>Hiperbólicas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other hyperbolic</source>
        <translation>Otras hiperbólicas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miscellaneous</source>
        <translation>Varias</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <location filename="../../engine/errors.cpp" line="+7"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unexpected text after the formula: &apos;%1&apos;</source>
        <translation>Texto inesperado tras la fórmula: &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <location filename="../../engine/errors.h" line="+92"/>
        <source>Floating point division by zero</source>
        <translation>División por cero de coma flotante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <location filename="../../engine/evaluator.cpp" line="+31"/>
        <source>Parse error: Expression too long</source>
        <translation>Error de sintaxis: expresión demasiado larga</translation>
    </message>
    <message>
        <location filename="../../engine/parser.cpp" line="+13"/>
        <source>Parse error: Expression nested too deeply</source>
        <translation>Error de sintaxis: expresión con demasiados niveles de anidamiento</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Parse error: &apos;)&apos; expected</source>
        <translation>Error de sintaxis: se esperaba &apos;)&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Parse error: Factor expected</source>
        <translation>Error de sintaxis: se esperaba un factor</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Parse error: Unknown symbol: &apos;%1&apos;</source>
        <translation>Error de sintaxis: símbolo desconocido: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../../engine/symbols.cpp" line="+12"/>
        <source>Symbol &apos;%1&apos; has no value of its own</source>
        <translation>El símbolo &apos;%1&apos; no tiene valor propio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Parse error: &apos;(&apos; and function&apos;s first parameter expected</source>
        <translation>Error de sintaxis: se esperaba &apos;(&apos; y el primer parámetro de la función</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Parse error: &apos;;&apos; and another parameter expected</source>
        <translation>Error de sintaxis: se esperaba &apos;;&apos; y otro parámetro</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Parse error: &apos;)&apos; to close function&apos;s parameters expected</source>
        <translation>Error de sintaxis: se esperaba &apos;)&apos; para cerrar los parámetros de la función</translation>
    </message>
    <message>
        <location filename="../../mathlib/mathfuncerror.cpp" line="+11"/>
        <location line="+6"/>
        <source>Domain check failure in Kerrowin</source>
        <translation>Error de comprobación del dominio en Kerrowin</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Power function: Result is infinite</source>
        <translation>Función potencia: el resultado es infinito</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power function: Result is complex</source>
        <translation>Función potencia: el resultado es complejo</translation>
    </message>
    <message>
        <location filename="../../session/plotsampling.cpp" line="+115"/>
        <source>The plot range is empty: From must be less than To</source>
        <translation>El intervalo de la gráfica está vacío: Desde debe ser menor que Hasta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A plot needs from %1 to %2 points</source>
        <translation>Una gráfica necesita de %1 a %2 puntos</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>The y range is empty: Y from must be less than Y to</source>
        <translation>El intervalo de y está vacío: Y desde debe ser menor que Y hasta</translation>
    </message>
    <message>
        <location filename="../../session/valuegrid.cpp" line="+63"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 row from there</source>
        <translation>No se pueden pegar %1 líneas desde %2 hacia abajo: la cuadrícula tiene %3 fila a partir de ahí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 rows from there</source>
        <translation>No se pueden pegar %1 líneas desde %2 hacia abajo: la cuadrícula tiene %3 filas a partir de ahí</translation>
    </message>
    <message>
        <location filename="../../session/calculatorsession.h" line="+193"/>
        <source>Ignored text after the formula: &apos;%1&apos;</source>
        <translation>Texto ignorado tras la fórmula: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <location filename="../fileerrortext.cpp" line="+19"/>
        <source>Cannot open the worksheet &quot;%1&quot;: %2</source>
        <translation>No se puede abrir la hoja de cálculo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save the worksheet &quot;%1&quot;: %2. %3</source>
        <translation>No se puede guardar la hoja de cálculo &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the log &quot;%1&quot;: %2. %3</source>
        <translation>No se puede guardar el registro &quot;%1&quot;: %2. %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file that was there is unchanged</source>
        <translation>El archivo que ya existía no ha cambiado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nothing was written</source>
        <translation>No se ha escrito nada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a Quorvex worksheet</source>
        <translation>no es una hoja de cálculo de Quorvex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a worksheet of version %1, made by a newer Quorvex; this one reads version %2</source>
        <translation>es una hoja de cálculo de la versión %1, creada por un Quorvex más reciente; este lee la versión %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is cut short: its last line, &quot;end&quot;, is missing</source>
        <translation>está truncado: falta su última línea, &quot;end&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is larger than %1 MiB, the most a worksheet may hold</source>
        <translation>ocupa más de %1 MiB, el máximo que admite una hoja de cálculo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1 is not UTF-8 text</source>
        <translation>la línea %1 no es texto UTF-8</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown entry &apos;%2&apos;</source>
        <translation>línea %1: entrada desconocida &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a second &apos;%2&apos; entry</source>
        <translation>línea %1: una segunda entrada &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: write the entry as %2</source>
        <translation>línea %1: escriba la entrada como %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a text has no closing quote</source>
        <translation>línea %1: a un texto le falta la comilla de cierre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown escape &apos;%2&apos; (a text knows \\, \&quot;, \t, \n, \r and \xHH)</source>
        <translation>línea %1: secuencia de escape desconocida &apos;%2&apos; (un texto admite \\, \&quot;, \t, \n, \r y \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: a control character in a text must be written as an escape (\t, \n, \r or \xHH)</source>
        <translation>línea %1: un carácter de control en un texto debe escribirse como secuencia de escape (\t, \n, \r o \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: the rows shown must be a number from 1 to the number of rows, %2</source>
        <translation>línea %1: las filas mostradas deben ser un número entre 1 y el número de filas, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: &apos;%2&apos; cannot be a decimal separator</source>
        <translation>línea %1: &apos;%2&apos; no puede ser un separador decimal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: text after the line &quot;end&quot;</source>
        <translation>línea %1: texto después de la línea &quot;end&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the entry &apos;%1&apos; is missing</source>
        <translation>falta la entrada &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>FunctionFailure</name>
    <message>
        <location filename="../../session/functionfailure.cpp" line="+32"/>
        <source>%1: %2; its domain: %3</source>
        <translation>%1: %2; su dominio: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: outside the domain %3</source>
        <translation>%1: fuera del dominio %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the result is infinite, outside the domain %3</source>
        <translation>%1: el resultado es infinito, fuera del dominio %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the result is complex, outside the domain %3</source>
        <translation>%1: el resultado es complejo, fuera del dominio %3</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <location filename="../keypad.def" line="+18"/>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Decimal point</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Decimal point: Depending on computer system configuration, it is either &quot;dot&quot; or &quot;comma&quot;.</source>
        <translation>Separador decimal: según la configuración regional del equipo, es &quot;punto&quot; o &quot;coma&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Scientific notation</source>
        <translation>Notación científica</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Scientific notation: 2.0E-3 (or 2,0E-3 if computer uses &quot;comma&quot; as decimal separator).</source>
        <translation>Notación científica: 2.0E-3 (o 2,0E-3 si el equipo usa &quot;coma&quot; como separador decimal).</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Left parenthesis</source>
        <translation>Paréntesis de apertura</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Right parenthesis</source>
        <translation>Paréntesis de cierre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unary</source>
        <translation>Operador unario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The unary &quot;+/-&quot;: If the current selection is either &apos;+&apos; or &apos;-&apos;, replace it with the opposite; etc.</source>
        <translation>El operador unario &quot;+/-&quot;: si la selección actual es &apos;+&apos; o &apos;-&apos;, la sustituye por el signo opuesto; etc.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Change sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Desh.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Pulse Deshacer para anular todos los cambios hechos en el texto del editor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Variable x</source>
        <translation>Variable x</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Variable &quot;x&quot;</source>
        <translation>Variable &quot;x&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Inverse of x</source>
        <translation>Inverso de x</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Inverse of variable &quot;x&quot;</source>
        <translation>Inverso de la variable &quot;x&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CopyToClipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Use Copiar para sustituir el contenido del portapapeles por el valor calculado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PasteFromClipboard</source>
        <translation>Pegar del portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Use Pegar para sustituir el texto seleccionado por el contenido del portapapeles.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClearSelection</source>
        <translation>Borrar la selección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Use Borrar para borrar el texto seleccionado, o el carácter anterior al cursor, del cuadro de edición.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CutToClipboard</source>
        <translation>Cortar al portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Cortar borra el texto seleccionado y además lo copia al portapapeles. No hace nada si no hay texto seleccionado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compute</source>
        <comment>key caption two keys wide, about 13 characters fit</comment>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evaluate expression</source>
        <translation>Evaluar la expresión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evaluate expression: Press to calculate value for the defined equation.</source>
        <translation>Evaluar la expresión: pulse para calcular el valor de la fórmula introducida.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <location filename="../startoptions.cpp" line="+47"/>
        <source>A worksheet to open, as File &gt; Save Worksheet saves it.</source>
        <translation>Una hoja de cálculo que abrir, tal como la guarda Archivo &gt; Guardar hoja de cálculo.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>one worksheet at most, not %1 (the second is &apos;%2&apos;)</source>
        <translation>como máximo una hoja de cálculo, no %1 (la segunda es &apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>VariableList</name>
    <message>
        <location filename="../variablegridview.cpp" line="+74"/>
        <location filename="../../session/variablelist.cpp" line="+65"/>
        <source>Name</source>
        <extracomment>Heading of the grid&apos;s column of variable names, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../session/variablelist.cpp" line="+2"/>
        <source>Value</source>
        <extracomment>Heading of the grid&apos;s column of values, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>quorvex::CompletionPopup</name>
    <message>
        <location filename="../completionpopup.cpp" line="+55"/>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Completions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names that complete the one typed</source>
        <translation>Nombres que completan el que se ha escrito</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaAssistant</name>
    <message>
        <location filename="../formulaassistant.cpp" line="+248"/>
        <source>%1&lt;br&gt;Domain: %2</source>
        <translation>%1&lt;br&gt;Dominio: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, argument %2. Domain: %3</source>
        <translation>%1, argumento %2. Dominio: %3</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaHint</name>
    <message>
        <location filename="../formulahint.cpp" line="+12"/>
        <source>Formula hint</source>
        <translation>Indicación de la fórmula</translation>
    </message>
</context>
<context>
    <name>quorvex::FunctionsWindow</name>
    <message>
        <location filename="../functionswindow.cpp" line="+55"/>
        <source>Functions and constants</source>
        <translation>Funciones y constantes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search functions, constants and variables</source>
        <translation>Buscar funciones, constantes y variables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name or description</source>
        <translation>Nombre o descripción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Functions, constants and variables</source>
        <translation>Funciones, constantes y variables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value or domain</source>
        <translation>Valor o dominio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert into the formula</source>
        <translation>Insertar en la fórmula</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter or a double click inserts the chosen name into the formula.</source>
        <translation>Enter o un doble clic inserta el nombre elegido en la fórmula.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Variables</source>
        <translation>Variables</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>declared variable</source>
        <translation>variable declarada</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotTableModel</name>
    <message>
        <location filename="../plottablemodel.cpp" line="+72"/>
        <source>error</source>
        <extracomment>Heading of the plot table&apos;s column of error messages</extracomment>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotView</name>
    <message>
        <location filename="../plotview.cpp" line="+307"/>
        <source>%1: %2</source>
        <extracomment>Plot legend entry: %1 is the part of the formula, %2 the error it raised</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotWindow</name>
    <message>
        <location filename="../plotwindow.cpp" line="+61"/>
        <source>auto</source>
        <extracomment>Shown in the Y from and Y to fields, and typed there, for a limit the plotted points decide; the fields are about 8 characters wide</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Plot - Quorvex</source>
        <translation>Gráfica - Quorvex</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Plot</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Plot and table</source>
        <translation>Gráfica y tabla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Y from</source>
        <translation>Y desde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Y to</source>
        <translation>Y hasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Plot</source>
        <translation>&amp;Trazar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Plot</source>
        <comment>the button that draws</comment>
        <translation>Trazar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Variable</source>
        <translation>&amp;Variable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;To</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Po&amp;ints</source>
        <translation>&amp;Puntos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Y from</source>
        <translation>&amp;Y desde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y t&amp;o</source>
        <translation>Y h&amp;asta</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Plot of F</source>
        <translation>Gráfica de F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a variable and a range, then press Plot.</source>
        <extracomment>Shown in the empty plot; &quot;Plot&quot; is the button</extracomment>
        <translation>Elija una variable y un intervalo, y pulse Trazar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Value under the pointer</source>
        <translation>Valor bajo el puntero</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset zoom</source>
        <translation>Restablecer zoom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;NG...</source>
        <translation>Exportar P&amp;NG...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as PNG</source>
        <translation>Exportar como PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export &amp;SVG...</source>
        <translation>Exportar &amp;SVG...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as SVG</source>
        <translation>Exportar como SVG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the plot as an image</source>
        <translation>Copiar la gráfica como imagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Points of the plot</source>
        <translation>Puntos de la gráfica</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy &amp;as CSV</source>
        <translation>Copiar co&amp;mo CSV</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the table as CSV</source>
        <translation>Copiar la tabla como CSV</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>No variable to plot over: declare one in the Assign box.</source>
        <extracomment>Shown in the empty plot; &quot;Assign&quot; is the main window&apos;s box of variable names</extracomment>
        <translation>No hay ninguna variable sobre la que trazar: declare una en el cuadro Asignar.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>A picture of %1 x %2 pixels is larger than %3 pixels a side</source>
        <translation>Una imagen de %1 x %2 píxeles supera los %3 píxeles por lado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A picture of %1 x %2 pixels is too large for the memory available</source>
        <translation>Una imagen de %1 x %2 píxeles es demasiado grande para la memoria disponible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the image file &apos;%1&apos;</source>
        <translation>No se puede escribir el archivo de imagen &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export plot as PNG</source>
        <translation>Exportar la gráfica como PNG</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Width (pixels)</source>
        <translation>A&amp;nchura (píxeles)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Height (pixels)</source>
        <translation>A&amp;ltura (píxeles)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the SVG file &apos;%1&apos;</source>
        <translation>No se puede escribir el archivo SVG &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export plot as %1</source>
        <extracomment>File dialog title; %1 is the kind of file, PNG or SVG</extracomment>
        <translation>Exportar la gráfica como %1</translation>
    </message>
</context>
<context>
    <name>quorvex::ResultFormatMenu</name>
    <message>
        <location filename="../resultformatmenu.cpp" line="+32"/>
        <source>&amp;Decimals (%1 to %2):</source>
        <translation>&amp;Decimales (de %1 a %2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Significant digits (%1 to %2):</source>
        <translation>Cifras &amp;significativas (de %1 a %2):</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Result format</source>
        <translation>&amp;Formato del resultado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose how the result box writes the result.</source>
        <translation>Elegir cómo escribe el resultado el cuadro de resultado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Significant digits, in fixed notation while the number fits them.</source>
        <translation>Cifras significativas, en notación fija mientras el número quepa en ellas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits, one before the decimal separator, and an exponent.</source>
        <translation>Cifras significativas, una antes del separador decimal, y un exponente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits and an exponent that is a multiple of three.</source>
        <translation>Cifras significativas y un exponente que es múltiplo de tres.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A fixed number of decimals; from 1E21 on, scientific notation.</source>
        <translation>Un número fijo de decimales; a partir de 1E21, notación científica.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The fewest digits that read back as the same number.</source>
        <translation>El menor número de cifras que, al releerse, da el mismo número.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every digit of the number&apos;s binary value.</source>
        <translation>Todas las cifras del valor binario del número.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;All formats...</source>
        <translation>&amp;Todos los formatos...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List the last result in every format.</source>
        <translation>Mostrar el último resultado en todos los formatos.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scientific</source>
        <translation>&amp;Científico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Engineering</source>
        <translation>&amp;Ingeniería</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fixed</source>
        <translation>&amp;Fijo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;hortest</source>
        <translation>&amp;Más corto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xact</source>
        <translation>E&amp;xacto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>He&amp;xadecimal</source>
        <translation>He&amp;xadecimal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>1 decimal</source>
        <translation>1 decimal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 decimals</source>
        <translation>%1 decimales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 digit</source>
        <translation>1 cifra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 digits</source>
        <translation>%1 cifras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)...</source>
        <translation>%1 (%2)...</translation>
    </message>
</context>
<context>
    <name>quorvex::ResultFormatsWindow</name>
    <message>
        <location filename="../resultformatswindow.cpp" line="+19"/>
        <location line="+3"/>
        <source>Result in every format</source>
        <translation>Resultado en todos los formatos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Text of the chosen format</source>
        <translation>Texto del formato elegido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutForm</name>
    <message>
        <location filename="../aboutwindow.cpp" line="+37"/>
        <source>About Quorvex</source>
        <translation>Acerca de Quorvex</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>version %1</source>
        <extracomment>About window, after the product name; with the version number about 16 characters fit</extracomment>
        <translation>versión %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quorvex developers</source>
        <extracomment>About window line; about 40 characters fit</extracomment>
        <translation>Escrito por los desarrolladores de Quorvex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Made to support learning and everyday calculation</source>
        <extracomment>About window line; about 60 characters fit</extracomment>
        <translation>Hecho para apoyar el aprendizaje y el cálculo cotidiano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project homepage:</source>
        <extracomment>About window line, above the homepage&apos;s address; about 60 characters fit</extracomment>
        <translation>Página web del proyecto:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Free Calculation</source>
        <extracomment>About window, in large bold type in a 287-pixel frame; about 24 characters fit</extracomment>
        <translation>Cálculo libre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ok</source>
        <extracomment>About window button, 47 pixels wide; about 5 characters fit</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>quorvex::TF_Main_LSF</name>
    <message>
        <location filename="../mainwindow.cpp" line="+88"/>
        <source>Multipurpose Calculator - Quorvex</source>
        <translation>Calculadora multifunción - Quorvex</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>%1. %2</source>
        <comment>announced: a result, then the note beside it</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../mainwindow_layout.cpp" line="+82"/>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+2"/>
        <source>&amp;File</source>
        <extracomment>Menu bar title, as are View, Option, Preference and Tools: the five share one row of the main window, about 450 pixels wide, some 60 characters in all</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+108"/>
        <source>Print the report of calculation session.</source>
        <translation>Imprimir el informe de la sesión de cálculo.</translation>
    </message>
    <message>
        <location line="-103"/>
        <location line="+96"/>
        <source>About Quorvex program.</source>
        <translation>Acerca del programa Quorvex.</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+96"/>
        <source>Documentation that provides guide for the usage of Quorvex.</source>
        <translation>Documentación con la guía de uso de Quorvex.</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Exit: End the calculation session.</source>
        <translation>Salir: terminar la sesión de cálculo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Select to view the toobar.</source>
        <translation>Marque para ver la barra de herramientas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select to view the statusbar.</source>
        <translation>Marque para ver la barra de estado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>&amp;Preference</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Display intermediate result for printing.</source>
        <translation>Mostrar el resultado intermedio al imprimir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Display all-session results for printing.</source>
        <translation>Mostrar todos los resultados de la sesión al imprimir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Plot the formula over a range of one of its variables.</source>
        <translation>Trazar la gráfica de la fórmula en un intervalo de una de sus variables.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find the functions, constants and variables a formula can use, and insert them.</source>
        <translation>Buscar las funciones, constantes y variables que puede usar una fórmula, e insertarlas.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit: End the calculation session.</source>
        <translation>Salir: terminar la sesión de cálculo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Cortar borra el texto seleccionado y además lo copia al portapapeles. No hace nada si no hay texto seleccionado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Use Copiar para sustituir el contenido del portapapeles por el valor calculado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Use Pegar para sustituir el texto seleccionado por el contenido del portapapeles.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Pulse Deshacer para anular todos los cambios hechos en el texto del editor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Use Borrar para borrar el texto seleccionado, o el carácter anterior al cursor, del cuadro de edición.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Formula  =</source>
        <extracomment>Label left of the formula box; about 10 characters fit before the main window widens</extracomment>
        <translation>Fórmula  =</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Formula edit-box</source>
        <translation>Cuadro de fórmula</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Formula edit-box: Enter a formula into editor</source>
        <translation>Cuadro de fórmula: escriba una fórmula</translation>
    </message>
    <message>
        <location line="-175"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help...</source>
        <translation>A&amp;yuda...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statusbar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show hints</source>
        <translation>&amp;Mostrar indicaciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate result</source>
        <translation>Resultado &amp;intermedio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;All session results</source>
        <translation>&amp;Todos los resultados de la sesión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Plot...</source>
        <translation>&amp;Gráfica...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Functions and constants...</source>
        <translation>&amp;Funciones y constantes...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 Shortcut: %2</source>
        <comment>a key&apos;s description, then its shortcut key</comment>
        <translation>%1 Atajo: %2</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Variable setting</source>
        <extracomment>Group title; the group is 261 pixels wide, about 40 characters fit</extracomment>
        <translation>Variables</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quantity</source>
        <extracomment>Label; it shares a full 250-pixel row with a small box and the Variable button: about 8 characters fit, a longer text squeezes the box</extracomment>
        <translation>Cantidad</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable quantity</source>
        <translation>Cantidad de variables</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Variable</source>
        <extracomment>Button with an icon; it shares a full 250-pixel row with the Quantity label and a small box: about 8 characters fit, a longer text squeezes the box</extracomment>
        <translation>Variable</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Assign</source>
        <extracomment>Label left of the box of variable names, in one column with the Quantity label above it: about 8 characters fit</extracomment>
        <translation>Asignar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>User-defined variables</source>
        <translation>Variables definidas por el usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User-defined variables: Use semicolon as list-separator</source>
        <translation>Variables definidas por el usuario: separe la lista con punto y coma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Variables and values</source>
        <translation>Variables y valores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting</source>
        <translation>Cuadrícula de valores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting: Assign values for the variables</source>
        <translation>Cuadrícula de valores: asigne valores a las variables</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Result</source>
        <extracomment>Group title; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computed value</source>
        <translation>Valor calculado</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Buttons</source>
        <extracomment>Group title of the keypad; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Teclado de la calculadora</translation>
    </message>
    <message>
        <location filename="../mainwindow_worksheet.cpp" line="+51"/>
        <source>Quorvex worksheets (*.%1)</source>
        <translation>Hojas de cálculo de Quorvex (*.%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+61"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Open Worksheet...</source>
        <translation>&amp;Abrir hoja de cálculo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a saved worksheet: its formula, variables and values.</source>
        <translation>Abrir una hoja de cálculo guardada: su fórmula, sus variables y sus valores.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Worksheet...</source>
        <translation>&amp;Guardar hoja de cálculo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the formula, the variables and their values as a worksheet.</source>
        <translation>Guardar la fórmula, las variables y sus valores como hoja de cálculo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;Log...</source>
        <translation>Guardar &amp;registro...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the report of calculation session as a text file.</source>
        <translation>Guardar el informe de la sesión de cálculo como archivo de texto.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open Worksheet</source>
        <translation>Abrir hoja de cálculo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save Worksheet</source>
        <translation>Guardar hoja de cálculo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Saved the worksheet %1</source>
        <translation>Hoja de cálculo %1 guardada</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved the log %1</source>
        <translation>Registro %1 guardado</translation>
    </message>
</context>
<context>
    <name>quorvex::THelperForm</name>
    <message>
        <location filename="../documentationwindow.cpp" line="+29"/>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Find in the documentation</source>
        <translation>Buscar en la documentación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <extracomment>Placeholder of the find field, 200 pixels wide</extracomment>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>quorvex::TTextPrintForm</name>
    <message>
        <location filename="../printreportwindow.cpp" line="+46"/>
        <source>Print report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Printer &amp;Setup</source>
        <extracomment>Button in a column 90 pixels wide; about 14 characters fit before the window widens</extracomment>
        <translation>Con&amp;figurar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create the file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The printer refused the print job</source>
        <translation>La impresora ha rechazado el trabajo de impresión</translation>
    </message>
</context>
</TS>
