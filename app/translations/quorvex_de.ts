<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../../mathlib/catalogue.def" line="+33"/>
        <source>pi, the ratio of a circle&apos;s circumference to its diameter</source>
        <translation>pi, das Verhältnis von Kreisumfang zu Kreisdurchmesser</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;pi;</source>
        <translation>&amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bernstein&apos;s constant</source>
        <translation>Bernstein-Konstante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bernstein constant</source>
        <translation>Bernstein-Konstante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 2</source>
        <translation>Kubikwurzel aus 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 3</source>
        <translation>Kubikwurzel aus 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 10</source>
        <translation>Kubikwurzel aus 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 100</source>
        <translation>Kubikwurzel aus 100</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of pi</source>
        <translation>Kubikwurzel aus pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cube root of &amp;pi;</source>
        <translation>Kubikwurzel aus &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Catalan&apos;s constant</source>
        <translation>Catalan-Konstante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Catalan constant</source>
        <translation>Catalan-Konstante</translation>
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
        <translation>Quadratwurzel aus 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 3</source>
        <translation>Quadratwurzel aus 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 5</source>
        <translation>Quadratwurzel aus 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 10</source>
        <translation>Quadratwurzel aus 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of pi</source>
        <translation>Quadratwurzel aus pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of &amp;pi;</source>
        <translation>Quadratwurzel aus &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 2*pi</source>
        <translation>Quadratwurzel aus 2*pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of 2&amp;pi;</source>
        <translation>Quadratwurzel aus 2&amp;pi;</translation>
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
        <translation>natürlicher Logarithmus von 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of 10</source>
        <translation>natürlicher Logarithmus von 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of pi</source>
        <translation>natürlicher Logarithmus von pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>natural logarithm of &amp;pi;</source>
        <translation>natürlicher Logarithmus von &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 2 (logbase2 is the function)</source>
        <translation>Zehnerlogarithmus von 2 (logbase2 ist die Funktion)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of 2</source>
        <translation>Zehnerlogarithmus von 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 3</source>
        <translation>Zehnerlogarithmus von 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of pi</source>
        <translation>Zehnerlogarithmus von pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>base-10 logarithm of &amp;pi;</source>
        <translation>Zehnerlogarithmus von &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of e</source>
        <translation>Zehnerlogarithmus von e</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e, the base of the natural logarithm</source>
        <translation>e, die Basis des natürlichen Logarithmus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>e, the natural constant</source>
        <translation>e, die eulersche Zahl</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half the natural logarithm of 2*pi</source>
        <translation>Hälfte des natürlichen Logarithmus von 2*pi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ln(2&amp;pi;)/2</source>
        <translation>ln(2&amp;pi;)/2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1/(2*pi), to 15 significant digits only</source>
        <translation>1/(2*pi), nur auf 15 signifikante Stellen genau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0.5/&amp;pi;, given to 15 significant digits only</source>
        <translation>0.5/&amp;pi;, nur auf 15 signifikante Stellen angegeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 to the power 63</source>
        <translation>2 hoch 63</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the golden ratio</source>
        <translation>der Goldene Schnitt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ratio</source>
        <translation>Goldener Schnitt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the Euler-Mascheroni constant</source>
        <translation>die Euler-Mascheroni-Konstante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Euler&apos;s constant &amp;gamma;</source>
        <translation>Euler-Mascheroni-Konstante &amp;gamma;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>degrees per radian, 180/pi: sin(30/deg) is 0.5</source>
        <translation>Grad pro Radiant, 180/pi: sin(30/deg) ist 0.5</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>180/&amp;pi;, degrees per radian</source>
        <translation>180/&amp;pi;, Grad pro Radiant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>atomic mass unit (kg)</source>
        <translation>atomare Masseneinheit (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Avogadro constant (1/mol)</source>
        <translation>Avogadro-Konstante (1/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boltzmann constant (J/K)</source>
        <translation>Boltzmann-Konstante (J/K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron charge (C)</source>
        <translation>Elektronenladung (C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron mass (kg)</source>
        <translation>Elektronenmasse (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron volt (J)</source>
        <translation>Elektronenvolt (J)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Faraday constant (C/mol)</source>
        <translation>Faraday-Konstante (C/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gas constant (J/(mol K))</source>
        <translation>Gaskonstante (J/(mol K))</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>neutron mass (kg)</source>
        <translation>Neutronenmasse (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Planck constant (J s)</source>
        <translation>Planck-Konstante (J s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>proton mass (kg)</source>
        <translation>Protonenmasse (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>speed of light (m/s)</source>
        <translation>Lichtgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>standard gravitational acceleration (m/s^2)</source>
        <translation>Normfallbeschleunigung (m/s^2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard acceleration of gravity (m/s&amp;sup2;)</source>
        <translation>Normfallbeschleunigung (m/s&amp;sup2;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>normal atmospheric pressure (N/m^2)</source>
        <translation>atmosphärischer Normaldruck (N/m^2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>normal atmospheric pressure (N/m&amp;sup2;)</source>
        <translation>atmosphärischer Normaldruck (N/m&amp;sup2;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stefan-Boltzmann constant (W/(m^2 K^4))</source>
        <translation>Stefan-Boltzmann-Konstante (W/(m^2 K^4))</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stefan-Boltzmann constant (W/(m&amp;sup2; K&lt;sup&gt;4&lt;/sup&gt;))</source>
        <translation>Stefan-Boltzmann-Konstante (W/(m&amp;sup2; K&lt;sup&gt;4&lt;/sup&gt;))</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bohr radius (m)</source>
        <translation>Bohrscher Radius (m)</translation>
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
        <translation>beliebiges x</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sine of x in radians, in [-1, 1]. Any x: huge arguments are reduced exactly, so sin(1E19) is the true sine of that number.</source>
        <translation>der Sinus von x im Bogenmaß, in [-1, 1]. Beliebiges x: Sehr große Argumente werden exakt reduziert, daher ist sin(1E19) der wahre Sinus genau dieser Zahl.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosine of x in radians, in [-1, 1]. Any x, reduced exactly as for sin.</source>
        <translation>der Kosinus von x im Bogenmaß, in [-1, 1]. Beliebiges x, exakt reduziert wie bei sin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x up to about 709.78</source>
        <translation>x bis etwa 709.78</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e raised to the power x</source>
        <translation>e hoch x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e&lt;sup&gt;x&lt;/sup&gt;. Above x of about 709.78 the result overflows; far below zero it quietly becomes 0.</source>
        <translation>e&lt;sup&gt;x&lt;/sup&gt;. Für x über etwa 709.78 läuft das Ergebnis über; weit unter null wird es stillschweigend 0.</translation>
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
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the natural logarithm, for x &amp;gt; 0. ln(0) is a division by zero, a negative x an invalid floating point operation.</source>
        <translation>der natürliche Logarithmus, für x &amp;gt; 0. ln(0) ist eine Division durch null, ein negatives x eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| up to about 1.34e154</source>
        <translation>|x| bis etwa 1.34e154</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x*x</source>
        <translation>x*x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x&amp;middot;x. Results beyond about 1.797E+308 (|x| above about 1.34E+154) are a floating point overflow.</source>
        <translation>x&amp;middot;x. Ergebnisse jenseits von etwa 1.797E+308 (|x| über etwa 1.34E+154) sind ein Gleitkommaüberlauf.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x &gt;= 0</source>
        <translation>x &gt;= 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the square root of x, for x &amp;ge; 0. A negative x is an invalid floating point operation.</source>
        <translation>die Quadratwurzel von x, für x &amp;ge; 0. Ein negatives x ist eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>absolute value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the absolute value |x|. Any x.</source>
        <translation>der Betrag |x|. Beliebiges x.</translation>
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
        <translation>Tangens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the tangent of x, sin x / cos x. |x| must not exceed 2&lt;sup&gt;63&lt;/sup&gt; (9223372036854775808); beyond it a domain check failure. Near odd multiples of &amp;pi;/2 the value is large but finite.</source>
        <translation>der Tangens von x, sin x / cos x. |x| darf 2&lt;sup&gt;63&lt;/sup&gt; (9223372036854775808) nicht überschreiten; darüber ein Definitionsbereichsfehler. Nahe ungeraden Vielfachen von &amp;pi;/2 ist der Wert groß, aber endlich.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse tangent, in (-pi/2, pi/2)</source>
        <translation>Arkustangens, in (-pi/2, pi/2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse tangent, any x, in (-&amp;pi;/2, &amp;pi;/2).</source>
        <translation>der Arkustangens, beliebiges x, in (-&amp;pi;/2, &amp;pi;/2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>base-10 logarithm</source>
        <translation>Zehnerlogarithmus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-10 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>der Zehnerlogarithmus, für x &amp;gt; 0; sonst ein Definitionsbereichsfehler.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>base-2 logarithm</source>
        <translation>Zweierlogarithmus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-2 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>der Zweierlogarithmus, für x &amp;gt; 0; sonst ein Definitionsbereichsfehler.</translation>
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
        <translation>Kotangens, 1/tan x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cotangent, 1 / tan x. cot(0) is a division by zero; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>der Kotangens, 1 / tan x. cot(0) ist eine Division durch null; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>secant, 1/cos x</source>
        <translation>Sekans, 1/cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the secant, 1 / cos x; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>der Sekans, 1 / cos x; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cosecant, 1/sin x</source>
        <translation>Kosekans, 1/sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosecant, 1 / sin x; where sin x is 0 (csc(0)) a domain check failure; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>der Kosekans, 1 / sin x; wo sin x gleich 0 ist (csc(0)), ein Definitionsbereichsfehler; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
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
        <translation>Arkussinus, in [-pi/2, pi/2]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse sine, for -1 &amp;le; x &amp;le; 1, in [-&amp;pi;/2, &amp;pi;/2]; arcsin(1) is &amp;pi;/2. Outside, a domain check failure.</source>
        <translation>der Arkussinus, für -1 &amp;le; x &amp;le; 1, in [-&amp;pi;/2, &amp;pi;/2]; arcsin(1) ist &amp;pi;/2. Außerhalb ein Definitionsbereichsfehler.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>inverse cosine, in [0, pi]</source>
        <translation>Arkuskosinus, in [0, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosine, for -1 &amp;le; x &amp;le; 1, in [0, &amp;pi;]; arccos(-1) is &amp;pi;. Outside, a domain check failure.</source>
        <translation>der Arkuskosinus, für -1 &amp;le; x &amp;le; 1, in [0, &amp;pi;]; arccos(-1) ist &amp;pi;. Außerhalb ein Definitionsbereichsfehler.</translation>
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
        <translation>Arkuskotangens, arctan(1/x)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cotangent, arctan(1/x), for x &amp;ne; 0, in (-&amp;pi;/2, &amp;pi;/2): arccot(-1) is -&amp;pi;/4. arccot(0) is a domain check failure.</source>
        <translation>der Arkuskotangens, arctan(1/x), für x &amp;ne; 0, in (-&amp;pi;/2, &amp;pi;/2): arccot(-1) ist -&amp;pi;/4. arccot(0) ist ein Definitionsbereichsfehler.</translation>
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
        <translation>Arkussekans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse secant, arccos(1/x), for |x| &amp;ge; 1, in [0, &amp;pi;]: arcsec(2) is &amp;pi;/3 and arcsec(-2) is 2&amp;pi;/3. For |x| &amp;lt; 1 there is no real value: an invalid floating point operation.</source>
        <translation>der Arkussekans, arccos(1/x), für |x| &amp;ge; 1, in [0, &amp;pi;]: arcsec(2) ist &amp;pi;/3 und arcsec(-2) ist 2&amp;pi;/3. Für |x| &amp;lt; 1 gibt es keinen reellen Wert: eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse cosecant</source>
        <translation>Arkuskosekans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosecant, arcsin(1/x), for |x| &amp;ge; 1, in [-&amp;pi;/2, &amp;pi;/2]: arccsc(1) is &amp;pi;/2 and arccsc(-2) is -&amp;pi;/6. For |x| &amp;lt; 1, an invalid floating point operation.</source>
        <translation>der Arkuskosekans, arcsin(1/x), für |x| &amp;ge; 1, in [-&amp;pi;/2, &amp;pi;/2]: arccsc(1) ist &amp;pi;/2 und arccsc(-2) ist -&amp;pi;/6. Für |x| &amp;lt; 1 eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+27"/>
        <source>|x| up to about 710.48</source>
        <translation>|x| bis etwa 710.48</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosine, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, at least 1. Overflows for |x| above about 710.48: cosh(710) is about 1.117E308, cosh(711) fails.</source>
        <translation>der Kosinus hyperbolicus, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, mindestens 1. Läuft für |x| über etwa 710.48 über: cosh(710) ist etwa 1.117E308, cosh(711) schlägt fehl.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic cotangent</source>
        <translation>Kotangens hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cotangent, 1 / tanh x, for x &amp;ne; 0; coth(0) is a division by zero. coth(1E-30) is 1E30.</source>
        <translation>der Kotangens hyperbolicus, 1 / tanh x, für x &amp;ne; 0; coth(0) ist eine Division durch null. coth(1E-30) ist 1E30.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic cosecant</source>
        <translation>Kosekans hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosecant, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), for x &amp;ne; 0; csch(0) is a domain check failure. csch(1E-30) is 1E30.</source>
        <translation>der Kosekans hyperbolicus, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), für x &amp;ne; 0; csch(0) ist ein Definitionsbereichsfehler. csch(1E-30) ist 1E30.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>hyperbolic secant</source>
        <translation>Sekans hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic secant, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), in (0, 1]; quietly 0 far out.</source>
        <translation>der Sekans hyperbolicus, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), in (0, 1]; fern vom Ursprung stillschweigend 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic sine, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Overflows for |x| above about 710.48; accurate also for tiny x (sinh(1E-30) is 1E-30).</source>
        <translation>der Sinus hyperbolicus, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Läuft für |x| über etwa 710.48 über; auch für winzige x genau (sinh(1E-30) ist 1E-30).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic tangent, in [-1, 1]; exactly 1 or -1 far out (tanh(6000) is 1); accurate for tiny x (tanh(1E-30) is 1E-30).</source>
        <translation>der Tangens hyperbolicus, in [-1, 1]; fern vom Ursprung exakt 1 oder -1 (tanh(6000) ist 1); für winzige x genau (tanh(1E-30) ist 1E-30).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>x &gt;= 1</source>
        <translation>x &gt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosine, ln(x + &amp;radic;(x&amp;sup2; - 1)), for x &amp;ge; 1, at least 0; arccosh(1) is 0. Below 1, a domain check failure.</source>
        <translation>der Areakosinus hyperbolicus, ln(x + &amp;radic;(x&amp;sup2; - 1)), für x &amp;ge; 1, mindestens 0; arccosh(1) ist 0. Unter 1 ein Definitionsbereichsfehler.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| &gt; 1</source>
        <translation>|x| &gt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cotangent</source>
        <translation>Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cotangent, &amp;frac12; ln((x + 1)/(x - 1)), for |x| &amp;gt; 1. |x| = 1 is a domain check failure, |x| &amp;lt; 1 an invalid floating point operation.</source>
        <translation>der Areakotangens hyperbolicus, &amp;frac12; ln((x + 1)/(x - 1)), für |x| &amp;gt; 1. |x| = 1 ist ein Definitionsbereichsfehler, |x| &amp;lt; 1 eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic cosecant</source>
        <translation>Areakosekans hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosecant, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x) with s the sign of x, for x &amp;ne; 0; arccsch(0) is a domain check failure.</source>
        <translation>der Areakosekans hyperbolicus, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x) mit s als Vorzeichen von x, für x &amp;ne; 0; arccsch(0) ist ein Definitionsbereichsfehler.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0 &lt; x &lt;= 1</source>
        <translation>0 &lt; x &lt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic secant</source>
        <translation>Areasekans hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic secant, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), for 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 is a domain check failure, x = 0 a division by zero, -1 &amp;le; x &amp;lt; 0 an invalid floating point operation.</source>
        <translation>der Areasekans hyperbolicus, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), für 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 ist ein Definitionsbereichsfehler, x = 0 eine Division durch null, -1 &amp;le; x &amp;lt; 0 eine ungültige Gleitkommaoperation.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic sine, ln(x + &amp;radic;(x&amp;sup2; + 1)), any x. It is odd, arcsinh(-x) = -arcsinh(x), so large negative arguments are as accurate as positive ones.</source>
        <translation>der Areasinus hyperbolicus, ln(x + &amp;radic;(x&amp;sup2; + 1)), beliebiges x. Die Funktion ist ungerade, arcsinh(-x) = -arcsinh(x), daher sind große negative Argumente so genau wie positive.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>|x| &lt; 1</source>
        <translation>|x| &lt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic tangent, ln(&amp;radic;((1 + x)/(1 - x))), for |x| &amp;lt; 1; arctanh(0.5) is 0.549306144334055. |x| &amp;ge; 1 is a domain check failure.</source>
        <translation>der Areatangens hyperbolicus, ln(&amp;radic;((1 + x)/(1 - x))), für |x| &amp;lt; 1; arctanh(0.5) ist 0.549306144334055. |x| &amp;ge; 1 ist ein Definitionsbereichsfehler.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 - sin x</source>
        <translation>1 - sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - sin x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - sin x, in [0, 2]; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec x - 1</source>
        <translation>sec x - 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sec x - 1; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>sec x - 1; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 - cos x)/2</source>
        <translation>(1 - cos x)/2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(1 - cos x) / 2, in [0, 1]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>(1 - cos x) / 2, in [0, 1]; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 - cos x</source>
        <translation>1 - cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - cos x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - cos x, in [0, 2]; |x| bis 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>x &gt; 0; x = 0 and z &gt;= 0; x &lt; 0 and whole z</source>
        <translation>x &gt; 0; x = 0 und z &gt;= 0; x &lt; 0 und ganzzahliges z</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>x raised to the power z</source>
        <translation>x hoch z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x raised to the power z. power(x;0) and power(1;z) are 1 (so power(0;0) is 1); power(0;z) is 0 for z &amp;gt; 0 and fails with &quot;Power function: Result is infinite&quot; for z &amp;lt; 0; a negative base needs a whole exponent, otherwise &quot;Power function: Result is complex&quot;: power(-2;3) is -8, power(-2;2) is 4.</source>
        <translation>x hoch z. power(x;0) und power(1;z) sind 1 (also ist power(0;0) gleich 1); power(0;z) ist 0 für z &amp;gt; 0 und scheitert für z &amp;lt; 0 mit „Potenzfunktion: Ergebnis ist unendlich“; eine negative Basis braucht einen ganzzahligen Exponenten, sonst „Potenzfunktion: Ergebnis ist komplex“: power(-2;3) ist -8, power(-2;2) ist 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>any h and v</source>
        <translation>beliebige h und v</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hypotenuse, sqrt(h*h + v*v)</source>
        <translation>Hypotenuse, sqrt(h*h + v*v)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length of the hypotenuse, &amp;radic;(h&amp;sup2; + v&amp;sup2;), computed without squaring large numbers: pythag(3;4) is 5, pythag(1E200;1E200) is about 1.414E200.</source>
        <translation>die Länge der Hypotenuse, &amp;radic;(h&amp;sup2; + v&amp;sup2;), berechnet, ohne große Zahlen zu quadrieren: pythag(3;4) ist 5, pythag(1E200;1E200) ist etwa 1.414E200.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>base &gt; 0, base &lt;&gt; 1, x &gt; 0</source>
        <translation>base &gt; 0, base &lt;&gt; 1, x &gt; 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logarithm of x to the base</source>
        <translation>Logarithmus von x zur Basis base</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the logarithm of x to the given base: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Needs x &amp;gt; 0, base &amp;gt; 0 and base &amp;ne; 1; otherwise a domain check failure. Example: logbaseN(4;6.25).</source>
        <translation>der Logarithmus von x zur angegebenen Basis: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Erfordert x &amp;gt; 0, base &amp;gt; 0 und base &amp;ne; 1; sonst ein Definitionsbereichsfehler. Beispiel: logbaseN(4;6.25).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>any x and z</source>
        <translation>beliebige x und z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>angle of the point (z, x), in (-pi, pi]</source>
        <translation>Winkel des Punkts (z, x), in (-pi, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the angle of the point (z, x): arctan(x/z) with the quadrant taken from both signs, in (-&amp;pi;, &amp;pi;]. z = 0 is allowed: arctan2(1;0) is &amp;pi;/2, arctan2(0;0) is 0, arctan2(0;-1) is &amp;pi;.</source>
        <translation>der Winkel des Punkts (z, x): arctan(x/z), wobei beide Vorzeichen den Quadranten bestimmen, in (-&amp;pi;, &amp;pi;]. z = 0 ist erlaubt: arctan2(1;0) ist &amp;pi;/2, arctan2(0;0) ist 0, arctan2(0;-1) ist &amp;pi;.</translation>
    </message>
    <message>
        <location filename="../../mathlib/catalogue.cpp" line="+32"/>
        <source>Algebraic</source>
        <translation>Algebraisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transcendental</source>
        <translation>Transzendent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigonometric</source>
        <translation>Trigonometrisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other trigonometric</source>
        <translation>Weitere trigonometrische</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hyperbolic</source>
        <translation>Hyperbolisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other hyperbolic</source>
        <translation>Weitere hyperbolische</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miscellaneous</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <location filename="../../engine/errors.cpp" line="+7"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unexpected text after the formula: &apos;%1&apos;</source>
        <translation>Unerwarteter Text nach der Formel: &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <location filename="../../engine/errors.h" line="+92"/>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <location filename="../../engine/evaluator.cpp" line="+31"/>
        <source>Parse error: Expression too long</source>
        <translation>Syntaxfehler: Ausdruck zu lang</translation>
    </message>
    <message>
        <location filename="../../engine/parser.cpp" line="+13"/>
        <source>Parse error: Expression nested too deeply</source>
        <translation>Syntaxfehler: Ausdruck zu tief verschachtelt</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Parse error: &apos;)&apos; expected</source>
        <translation>Syntaxfehler: &apos;)&apos; erwartet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Parse error: Factor expected</source>
        <translation>Syntaxfehler: Faktor erwartet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Parse error: Unknown symbol: &apos;%1&apos;</source>
        <translation>Syntaxfehler: Unbekanntes Symbol: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../../engine/symbols.cpp" line="+12"/>
        <source>Symbol &apos;%1&apos; has no value of its own</source>
        <translation>Symbol &apos;%1&apos; hat keinen eigenen Wert</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Parse error: &apos;(&apos; and function&apos;s first parameter expected</source>
        <translation>Syntaxfehler: &apos;(&apos; und erster Parameter der Funktion erwartet</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Parse error: &apos;;&apos; and another parameter expected</source>
        <translation>Syntaxfehler: &apos;;&apos; und ein weiterer Parameter erwartet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Parse error: &apos;)&apos; to close function&apos;s parameters expected</source>
        <translation>Syntaxfehler: &apos;)&apos; zum Abschluss der Funktionsparameter erwartet</translation>
    </message>
    <message>
        <location filename="../../mathlib/mathfuncerror.cpp" line="+11"/>
        <location line="+6"/>
        <source>Domain check failure in Kerrowin</source>
        <translation>Definitionsbereichsfehler in Kerrowin</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Power function: Result is infinite</source>
        <translation>Potenzfunktion: Ergebnis ist unendlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power function: Result is complex</source>
        <translation>Potenzfunktion: Ergebnis ist komplex</translation>
    </message>
    <message>
        <location filename="../../session/plotsampling.cpp" line="+115"/>
        <source>The plot range is empty: From must be less than To</source>
        <translation>Der Bereich des Graphen ist leer: Von muss kleiner als Bis sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A plot needs from %1 to %2 points</source>
        <translation>Ein Graph braucht %1 bis %2 Punkte</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>The y range is empty: Y from must be less than Y to</source>
        <translation>Der Y-Bereich ist leer: Y von muss kleiner als Y bis sein</translation>
    </message>
    <message>
        <location filename="../../session/valuegrid.cpp" line="+63"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 row from there</source>
        <translation>%1 Zeilen können nicht ab %2 abwärts eingefügt werden: Die Tabelle hat ab dort %3 Zeile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 rows from there</source>
        <translation>%1 Zeilen können nicht ab %2 abwärts eingefügt werden: Die Tabelle hat ab dort %3 Zeilen</translation>
    </message>
    <message>
        <location filename="../../session/calculatorsession.h" line="+193"/>
        <source>Ignored text after the formula: &apos;%1&apos;</source>
        <translation>Text nach der Formel ignoriert: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <location filename="../fileerrortext.cpp" line="+19"/>
        <source>Cannot open the worksheet &quot;%1&quot;: %2</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save the worksheet &quot;%1&quot;: %2. %3</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; kann nicht gespeichert werden: %2. %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the log &quot;%1&quot;: %2. %3</source>
        <translation>Das Protokoll &quot;%1&quot; kann nicht gespeichert werden: %2. %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file that was there is unchanged</source>
        <translation>Die bisherige Datei ist unverändert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nothing was written</source>
        <translation>Es wurde nichts geschrieben</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a Quorvex worksheet</source>
        <translation>kein Quorvex-Arbeitsblatt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a worksheet of version %1, made by a newer Quorvex; this one reads version %2</source>
        <translation>ein Arbeitsblatt der Version %1 von einem neueren Quorvex; dieses Quorvex liest Version %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is cut short: its last line, &quot;end&quot;, is missing</source>
        <translation>unvollständig: die letzte Zeile, &quot;end&quot;, fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is larger than %1 MiB, the most a worksheet may hold</source>
        <translation>größer als %1 MiB, die Höchstgröße eines Arbeitsblatts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1 is not UTF-8 text</source>
        <translation>Zeile %1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown entry &apos;%2&apos;</source>
        <translation>Zeile %1: unbekannter Eintrag &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a second &apos;%2&apos; entry</source>
        <translation>Zeile %1: ein zweiter Eintrag &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: write the entry as %2</source>
        <translation>Zeile %1: Schreiben Sie den Eintrag als %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a text has no closing quote</source>
        <translation>Zeile %1: ein Text ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown escape &apos;%2&apos; (a text knows \\, \&quot;, \t, \n, \r and \xHH)</source>
        <translation>Zeile %1: unbekannte Escape-Sequenz &apos;%2&apos; (ein Text kennt \\, \&quot;, \t, \n, \r und \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: a control character in a text must be written as an escape (\t, \n, \r or \xHH)</source>
        <translation>Zeile %1: Ein Steuerzeichen in einem Text muss als Escape-Sequenz geschrieben werden (\t, \n, \r oder \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: the rows shown must be a number from 1 to the number of rows, %2</source>
        <translation>Zeile %1: Die Zahl der angezeigten Zeilen muss zwischen 1 und der Zeilenzahl %2 liegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: &apos;%2&apos; cannot be a decimal separator</source>
        <translation>Zeile %1: &apos;%2&apos; kann kein Dezimaltrennzeichen sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: text after the line &quot;end&quot;</source>
        <translation>Zeile %1: Text nach der Zeile &quot;end&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the entry &apos;%1&apos; is missing</source>
        <translation>der Eintrag &apos;%1&apos; fehlt</translation>
    </message>
</context>
<context>
    <name>FunctionFailure</name>
    <message>
        <location filename="../../session/functionfailure.cpp" line="+32"/>
        <source>%1: %2; its domain: %3</source>
        <translation>%1: %2; Definitionsbereich: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: outside the domain %3</source>
        <translation>%1: außerhalb des Definitionsbereichs %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the result is infinite, outside the domain %3</source>
        <translation>%1: Ergebnis unendlich, außerhalb des Definitionsbereichs %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the result is complex, outside the domain %3</source>
        <translation>%1: Ergebnis komplex, außerhalb des Definitionsbereichs %3</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <location filename="../keypad.def" line="+18"/>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Decimal point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Decimal point: Depending on computer system configuration, it is either &quot;dot&quot; or &quot;comma&quot;.</source>
        <translation>Dezimaltrennzeichen: Je nach Systemeinstellung des Computers entweder „Punkt“ oder „Komma“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Scientific notation</source>
        <translation>Wissenschaftliche Schreibweise</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Scientific notation: 2.0E-3 (or 2,0E-3 if computer uses &quot;comma&quot; as decimal separator).</source>
        <translation>Wissenschaftliche Schreibweise: 2.0E-3 (oder 2,0E-3, wenn der Computer das „Komma“ als Dezimaltrennzeichen verwendet).</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Left parenthesis</source>
        <translation>Öffnende Klammer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Right parenthesis</source>
        <translation>Schließende Klammer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unary</source>
        <translation>Unär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The unary &quot;+/-&quot;: If the current selection is either &apos;+&apos; or &apos;-&apos;, replace it with the opposite; etc.</source>
        <translation>Das unäre „+/-“: Ist die aktuelle Auswahl &apos;+&apos; oder &apos;-&apos;, wird sie durch das Gegenteil ersetzt; usw.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Rückg.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Mit Rückgängig nehmen Sie alle Änderungen am Text im Editor zurück.</translation>
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
        <translation>Variable „x“</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Inverse of x</source>
        <translation>Kehrwert von x</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Inverse of variable &quot;x&quot;</source>
        <translation>Kehrwert der Variablen „x“</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Kopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CopyToClipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Kopieren ersetzt den Inhalt der Zwischenablage durch den berechneten Wert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Einfg.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PasteFromClipboard</source>
        <translation>Aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Einfügen ersetzt den markierten Text durch den Inhalt der Zwischenablage.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Lösch.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClearSelection</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Löschen entfernt den markierten Text oder das Zeichen vor der Einfügemarke im Eingabefeld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Aussch.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CutToClipboard</source>
        <translation>In die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Ausschneiden löscht den markierten Text und kopiert ihn in die Zwischenablage. Ohne Markierung geschieht nichts.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compute</source>
        <comment>key caption two keys wide, about 13 characters fit</comment>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evaluate expression</source>
        <translation>Ausdruck auswerten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evaluate expression: Press to calculate value for the defined equation.</source>
        <translation>Ausdruck auswerten: Klicken Sie hier, um den Wert der eingegebenen Formel zu berechnen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <location filename="../startoptions.cpp" line="+47"/>
        <source>A worksheet to open, as File &gt; Save Worksheet saves it.</source>
        <translation>Ein zu öffnendes Arbeitsblatt, wie Datei &gt; Arbeitsblatt speichern es speichert.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>one worksheet at most, not %1 (the second is &apos;%2&apos;)</source>
        <translation>höchstens ein Arbeitsblatt, nicht %1 (das zweite ist &apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>VariableList</name>
    <message>
        <location filename="../variablegridview.cpp" line="+74"/>
        <location filename="../../session/variablelist.cpp" line="+65"/>
        <source>Name</source>
        <extracomment>Heading of the grid&apos;s column of variable names, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../session/variablelist.cpp" line="+2"/>
        <source>Value</source>
        <extracomment>Heading of the grid&apos;s column of values, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>quorvex::CompletionPopup</name>
    <message>
        <location filename="../completionpopup.cpp" line="+55"/>
        <source>variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Completions</source>
        <translation>Vervollständigungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names that complete the one typed</source>
        <translation>Namen, die den eingegebenen vervollständigen</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaAssistant</name>
    <message>
        <location filename="../formulaassistant.cpp" line="+248"/>
        <source>%1&lt;br&gt;Domain: %2</source>
        <translation>%1&lt;br&gt;Definitionsbereich: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, argument %2. Domain: %3</source>
        <translation>%1, Argument %2. Definitionsbereich: %3</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaHint</name>
    <message>
        <location filename="../formulahint.cpp" line="+12"/>
        <source>Formula hint</source>
        <translation>Formelhinweis</translation>
    </message>
</context>
<context>
    <name>quorvex::FunctionsWindow</name>
    <message>
        <location filename="../functionswindow.cpp" line="+55"/>
        <source>Functions and constants</source>
        <translation>Funktionen und Konstanten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search functions, constants and variables</source>
        <translation>Funktionen, Konstanten und Variablen suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name or description</source>
        <translation>Name oder Beschreibung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Functions, constants and variables</source>
        <translation>Funktionen, Konstanten und Variablen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value or domain</source>
        <translation>Wert oder Definitionsbereich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert into the formula</source>
        <translation>In die Formel einfügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter or a double click inserts the chosen name into the formula.</source>
        <translation>Enter oder ein Doppelklick fügt den gewählten Namen in die Formel ein.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Variables</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>declared variable</source>
        <translation>deklarierte Variable</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotTableModel</name>
    <message>
        <location filename="../plottablemodel.cpp" line="+72"/>
        <source>error</source>
        <extracomment>Heading of the plot table&apos;s column of error messages</extracomment>
        <translation>Fehler</translation>
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
        <translation>Graph - Quorvex</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Plot</source>
        <translation>Graph</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Plot</source>
        <comment>the button that draws</comment>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Plot and table</source>
        <translation>Graph und Tabelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Y from</source>
        <translation>Y von</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Y to</source>
        <translation>Y bis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Plot</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Variable</source>
        <translation>&amp;Variable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;From</source>
        <translation>V&amp;on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Po&amp;ints</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Y from</source>
        <translation>&amp;Y von</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y t&amp;o</source>
        <translation>Y b&amp;is</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Plot of F</source>
        <translation>Graph von F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a variable and a range, then press Plot.</source>
        <extracomment>Shown in the empty plot; &quot;Plot&quot; is the button</extracomment>
        <translation>Wählen Sie eine Variable und einen Bereich, dann klicken Sie auf Zeichnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Value under the pointer</source>
        <translation>Wert unter dem Mauszeiger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset zoom</source>
        <translation>Zoom zu&amp;rücksetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;NG...</source>
        <translation>P&amp;NG exportieren...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as PNG</source>
        <translation>Als PNG exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export &amp;SVG...</source>
        <translation>&amp;SVG exportieren...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as SVG</source>
        <translation>Als SVG exportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the plot as an image</source>
        <translation>Den Graphen als Bild kopieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Points of the plot</source>
        <translation>Punkte des Graphen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy &amp;as CSV</source>
        <translation>&amp;Als CSV kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the table as CSV</source>
        <translation>Die Tabelle als CSV kopieren</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>No variable to plot over: declare one in the Assign box.</source>
        <extracomment>Shown in the empty plot; &quot;Assign&quot; is the main window&apos;s box of variable names</extracomment>
        <translation>Keine Variable zum Zeichnen: Deklarieren Sie eine im Feld Zuweisen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>A picture of %1 x %2 pixels is larger than %3 pixels a side</source>
        <translation>Ein Bild von %1 x %2 Pixeln ist größer als %3 Pixel je Seite</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A picture of %1 x %2 pixels is too large for the memory available</source>
        <translation>Ein Bild von %1 x %2 Pixeln ist zu groß für den verfügbaren Speicher</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the image file &apos;%1&apos;</source>
        <translation>Die Bilddatei &apos;%1&apos; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export plot as PNG</source>
        <translation>Graph als PNG exportieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Width (pixels)</source>
        <translation>&amp;Breite (Pixel)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Height (pixels)</source>
        <translation>&amp;Höhe (Pixel)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the SVG file &apos;%1&apos;</source>
        <translation>Die SVG-Datei &apos;%1&apos; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export plot as %1</source>
        <extracomment>File dialog title; %1 is the kind of file, PNG or SVG</extracomment>
        <translation>Graph als %1 exportieren</translation>
    </message>
</context>
<context>
    <name>quorvex::ResultFormatMenu</name>
    <message>
        <location filename="../resultformatmenu.cpp" line="+32"/>
        <source>&amp;Decimals (%1 to %2):</source>
        <translation>&amp;Nachkommastellen (%1 bis %2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Significant digits (%1 to %2):</source>
        <translation>&amp;Signifikante Stellen (%1 bis %2):</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Result format</source>
        <translation>&amp;Ergebnisformat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose how the result box writes the result.</source>
        <translation>Wählen, wie das Ergebnisfeld das Ergebnis darstellt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Significant digits, in fixed notation while the number fits them.</source>
        <translation>Signifikante Stellen, in Festkommaschreibweise, solange die Zahl hineinpasst.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits, one before the decimal separator, and an exponent.</source>
        <translation>Signifikante Stellen, eine vor dem Dezimaltrennzeichen, und ein Exponent.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits and an exponent that is a multiple of three.</source>
        <translation>Signifikante Stellen und ein Exponent, der ein Vielfaches von drei ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A fixed number of decimals; from 1E21 on, scientific notation.</source>
        <translation>Eine feste Zahl von Nachkommastellen; ab 1E21 wissenschaftliche Schreibweise.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The fewest digits that read back as the same number.</source>
        <translation>Möglichst wenige Ziffern, die eingelesen wieder dieselbe Zahl ergeben.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every digit of the number&apos;s binary value.</source>
        <translation>Alle Ziffern des Binärwerts der Zahl.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;All formats...</source>
        <translation>A&amp;lle Formate...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List the last result in every format.</source>
        <translation>Das letzte Ergebnis in allen Formaten auflisten.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scientific</source>
        <translation>&amp;Wissenschaftlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Engineering</source>
        <translation>&amp;Technisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fixed</source>
        <translation>&amp;Fest</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;hortest</source>
        <translation>&amp;Kürzeste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xact</source>
        <translation>&amp;Exakt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>He&amp;xadecimal</source>
        <translation>He&amp;xadezimal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>1 decimal</source>
        <translation>1 Nachkommastelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 decimals</source>
        <translation>%1 Nachkommastellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 digit</source>
        <translation>1 Stelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 digits</source>
        <translation>%1 Stellen</translation>
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
        <translation>Ergebnis in allen Formaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Text of the chosen format</source>
        <translation>Text des gewählten Formats</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutForm</name>
    <message>
        <location filename="../aboutwindow.cpp" line="+37"/>
        <source>About Quorvex</source>
        <translation>Über Quorvex</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>version %1</source>
        <extracomment>About window, after the product name; with the version number about 16 characters fit</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quorvex developers</source>
        <extracomment>About window line; about 40 characters fit</extracomment>
        <translation>Geschrieben von den Quorvex-Entwicklern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Made to support learning and everyday calculation</source>
        <extracomment>About window line; about 60 characters fit</extracomment>
        <translation>Zur Unterstützung beim Lernen und beim täglichen Rechnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project homepage:</source>
        <extracomment>About window line, above the homepage&apos;s address; about 60 characters fit</extracomment>
        <translation>Projekt-Homepage:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Free Calculation</source>
        <extracomment>About window, in large bold type in a 287-pixel frame; about 24 characters fit</extracomment>
        <translation>Freies Rechnen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ok</source>
        <extracomment>About window button, 47 pixels wide; about 5 characters fit</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>quorvex::TF_Main_LSF</name>
    <message>
        <location filename="../mainwindow.cpp" line="+88"/>
        <source>Multipurpose Calculator - Quorvex</source>
        <translation>Mehrzweckrechner - Quorvex</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+108"/>
        <source>Print the report of calculation session.</source>
        <translation>Den Bericht der Rechensitzung drucken.</translation>
    </message>
    <message>
        <location line="-103"/>
        <location line="+96"/>
        <source>About Quorvex program.</source>
        <translation>Über das Programm Quorvex.</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+96"/>
        <source>Documentation that provides guide for the usage of Quorvex.</source>
        <translation>Dokumentation mit einer Anleitung zur Benutzung von Quorvex.</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Exit: End the calculation session.</source>
        <translation>Beenden: Die Rechensitzung beenden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Select to view the toobar.</source>
        <translation>Auswählen, um die Werkzeugleiste anzuzeigen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select to view the statusbar.</source>
        <translation>Auswählen, um die Statusleiste anzuzeigen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>&amp;Preference</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Display intermediate result for printing.</source>
        <translation>Das Zwischenergebnis zum Drucken anzeigen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Display all-session results for printing.</source>
        <translation>Alle Ergebnisse der Sitzung zum Drucken anzeigen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Plot the formula over a range of one of its variables.</source>
        <translation>Die Formel über einen Bereich einer ihrer Variablen zeichnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find the functions, constants and variables a formula can use, and insert them.</source>
        <translation>Die Funktionen, Konstanten und Variablen finden, die eine Formel verwenden kann, und sie einfügen.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit: End the calculation session.</source>
        <translation>Beenden: Die Rechensitzung beenden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Über Quorvex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Ausschneiden löscht den markierten Text und kopiert ihn in die Zwischenablage. Ohne Markierung geschieht nichts.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Kopieren ersetzt den Inhalt der Zwischenablage durch den berechneten Wert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Einfügen ersetzt den markierten Text durch den Inhalt der Zwischenablage.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Mit Rückgängig nehmen Sie alle Änderungen am Text im Editor zurück.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Löschen entfernt den markierten Text oder das Zeichen vor der Einfügemarke im Eingabefeld.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Formula  =</source>
        <extracomment>Label left of the formula box; about 10 characters fit before the main window widens</extracomment>
        <translation>Formel  =</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Formula edit-box</source>
        <translation>Formelfeld</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Formula edit-box: Enter a formula into editor</source>
        <translation>Formelfeld: Geben Sie eine Formel ein</translation>
    </message>
    <message>
        <location line="-175"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;About...</source>
        <translation>&amp;Über Quorvex...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statusbar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show hints</source>
        <translation>&amp;Hinweise anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate result</source>
        <translation>&amp;Zwischenergebnis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;All session results</source>
        <translation>&amp;Alle Ergebnisse der Sitzung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Plot...</source>
        <translation>&amp;Graph zeichnen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Functions and constants...</source>
        <translation>&amp;Funktionen und Konstanten...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 Shortcut: %2</source>
        <comment>a key&apos;s description, then its shortcut key</comment>
        <translation>%1 Tastenkürzel: %2</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Variable setting</source>
        <extracomment>Group title; the group is 261 pixels wide, about 40 characters fit</extracomment>
        <translation>Variablen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quantity</source>
        <extracomment>Label; it shares a full 250-pixel row with a small box and the Variable button: about 8 characters fit, a longer text squeezes the box</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable quantity</source>
        <translation>Anzahl der Variablen</translation>
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
        <translation>Zuweisen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>User-defined variables</source>
        <translation>Benutzerdefinierte Variablen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User-defined variables: Use semicolon as list-separator</source>
        <translation>Benutzerdefinierte Variablen: Semikolon als Listentrennzeichen verwenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Variables and values</source>
        <translation>Variablen und Werte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting: Assign values for the variables</source>
        <translation>Tabelle: Weisen Sie den Variablen Werte zu</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Result</source>
        <extracomment>Group title; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computed value</source>
        <translation>Berechneter Wert</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Buttons</source>
        <extracomment>Group title of the keypad; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <location filename="../mainwindow_worksheet.cpp" line="+51"/>
        <source>Quorvex worksheets (*.%1)</source>
        <translation>Quorvex-Arbeitsblätter (*.%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+61"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Open Worksheet...</source>
        <translation>Arbeitsblatt ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a saved worksheet: its formula, variables and values.</source>
        <translation>Ein gespeichertes Arbeitsblatt öffnen: seine Formel, Variablen und Werte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Worksheet...</source>
        <translation>Arbeitsblatt &amp;speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the formula, the variables and their values as a worksheet.</source>
        <translation>Die Formel, die Variablen und ihre Werte als Arbeitsblatt speichern.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;Log...</source>
        <translation>&amp;Protokoll speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the report of calculation session as a text file.</source>
        <translation>Den Bericht der Rechensitzung als Textdatei speichern.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open Worksheet</source>
        <translation>Arbeitsblatt öffnen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save Worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Saved the worksheet %1</source>
        <translation>Arbeitsblatt %1 gespeichert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved the log %1</source>
        <translation>Protokoll %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>quorvex::THelperForm</name>
    <message>
        <location filename="../documentationwindow.cpp" line="+29"/>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Find in the documentation</source>
        <translation>In der Dokumentation suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <extracomment>Placeholder of the find field, 200 pixels wide</extracomment>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>quorvex::TTextPrintForm</name>
    <message>
        <location filename="../printreportwindow.cpp" line="+46"/>
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Printer &amp;Setup</source>
        <extracomment>Button in a column 90 pixels wide; about 14 characters fit before the window widens</extracomment>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is no default printer currently selected</source>
        <translation>Derzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create the file %1: %2</source>
        <translation>Die Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The printer refused the print job</source>
        <translation>Der Drucker hat den Druckauftrag abgelehnt</translation>
    </message>
</context>
</TS>
