<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../../mathlib/catalogue.def" line="+33"/>
        <source>pi, the ratio of a circle&apos;s circumference to its diameter</source>
        <translation>pi, le rapport de la circonférence d&apos;un cercle à son diamètre</translation>
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
        <translation>racine cubique de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 3</source>
        <translation>racine cubique de 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 10</source>
        <translation>racine cubique de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of 100</source>
        <translation>racine cubique de 100</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cube root of pi</source>
        <translation>racine cubique de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cube root of &amp;pi;</source>
        <translation>racine cubique de &amp;pi;</translation>
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
        <translation>racine carrée de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 3</source>
        <translation>racine carrée de 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 5</source>
        <translation>racine carrée de 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 10</source>
        <translation>racine carrée de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of pi</source>
        <translation>racine carrée de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of &amp;pi;</source>
        <translation>racine carrée de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>square root of 2*pi</source>
        <translation>racine carrée de 2*pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root of 2&amp;pi;</source>
        <translation>racine carrée de 2&amp;pi;</translation>
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
        <translation>logarithme népérien de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of 10</source>
        <translation>logarithme népérien de 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>natural logarithm of pi</source>
        <translation>logarithme népérien de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>natural logarithm of &amp;pi;</source>
        <translation>logarithme népérien de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 2 (logbase2 is the function)</source>
        <translation>logarithme décimal de 2 (logbase2 est la fonction)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of 2</source>
        <translation>logarithme décimal de 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of 3</source>
        <translation>logarithme décimal de 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>base-10 logarithm of pi</source>
        <translation>logarithme décimal de pi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>base-10 logarithm of &amp;pi;</source>
        <translation>logarithme décimal de &amp;pi;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>base-10 logarithm of e</source>
        <translation>logarithme décimal de e</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e, the base of the natural logarithm</source>
        <translation>e, la base du logarithme népérien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>e, the natural constant</source>
        <translation>e, la constante de Néper</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half the natural logarithm of 2*pi</source>
        <translation>la moitié du logarithme népérien de 2*pi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ln(2&amp;pi;)/2</source>
        <translation>ln(2&amp;pi;)/2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1/(2*pi), to 15 significant digits only</source>
        <translation>1/(2*pi), à 15 chiffres significatifs seulement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0.5/&amp;pi;, given to 15 significant digits only</source>
        <translation>0.5/&amp;pi;, donné à 15 chiffres significatifs seulement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 to the power 63</source>
        <translation>2 puissance 63</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the golden ratio</source>
        <translation>le nombre d&apos;or</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ratio</source>
        <translation>nombre d&apos;or</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the Euler-Mascheroni constant</source>
        <translation>la constante d&apos;Euler-Mascheroni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Euler&apos;s constant &amp;gamma;</source>
        <translation>constante d&apos;Euler &amp;gamma;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>degrees per radian, 180/pi: sin(30/deg) is 0.5</source>
        <translation>degrés par radian, 180/pi&#xa0;: sin(30/deg) vaut 0.5</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>180/&amp;pi;, degrees per radian</source>
        <translation>180/&amp;pi;, degrés par radian</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>atomic mass unit (kg)</source>
        <translation>unité de masse atomique (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Avogadro constant (1/mol)</source>
        <translation>constante d&apos;Avogadro (1/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boltzmann constant (J/K)</source>
        <translation>constante de Boltzmann (J/K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron charge (C)</source>
        <translation>charge de l&apos;électron (C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron mass (kg)</source>
        <translation>masse de l&apos;électron (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>electron volt (J)</source>
        <translation>électronvolt (J)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Faraday constant (C/mol)</source>
        <translation>constante de Faraday (C/mol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gas constant (J/(mol K))</source>
        <translation>constante des gaz parfaits (J/(mol K))</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>neutron mass (kg)</source>
        <translation>masse du neutron (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Planck constant (J s)</source>
        <translation>constante de Planck (J s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>proton mass (kg)</source>
        <translation>masse du proton (kg)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>speed of light (m/s)</source>
        <translation>vitesse de la lumière (m/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>standard gravitational acceleration (m/s^2)</source>
        <translation>accélération normale de la pesanteur (m/s^2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard acceleration of gravity (m/s&amp;sup2;)</source>
        <translation>accélération normale de la pesanteur (m/s&amp;sup2;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>normal atmospheric pressure (N/m^2)</source>
        <translation>pression atmosphérique normale (N/m^2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>normal atmospheric pressure (N/m&amp;sup2;)</source>
        <translation>pression atmosphérique normale (N/m&amp;sup2;)</translation>
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
        <translation>rayon de Bohr (m)</translation>
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
        <translation>tout x</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sine of x in radians, in [-1, 1]. Any x: huge arguments are reduced exactly, so sin(1E19) is the true sine of that number.</source>
        <translation>le sinus de x en radians, dans [-1, 1]. Tout x&#xa0;: les très grands arguments sont réduits exactement, si bien que sin(1E19) est le vrai sinus de ce nombre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosine of x in radians, in [-1, 1]. Any x, reduced exactly as for sin.</source>
        <translation>le cosinus de x en radians, dans [-1, 1]. Tout x, réduit exactement comme pour sin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x up to about 709.78</source>
        <translation>x jusqu&apos;à environ 709.78</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e raised to the power x</source>
        <translation>e élevé à la puissance x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e&lt;sup&gt;x&lt;/sup&gt;. Above x of about 709.78 the result overflows; far below zero it quietly becomes 0.</source>
        <translation>e&lt;sup&gt;x&lt;/sup&gt;. Pour x au-delà d&apos;environ 709.78, le résultat dépasse la capacité&#xa0;; bien en dessous de zéro, il devient 0 sans erreur.</translation>
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
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the natural logarithm, for x &amp;gt; 0. ln(0) is a division by zero, a negative x an invalid floating point operation.</source>
        <translation>le logarithme népérien, pour x &amp;gt; 0. ln(0) est une division par zéro, un x négatif une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| up to about 1.34e154</source>
        <translation>|x| jusqu&apos;à environ 1.34e154</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x*x</source>
        <translation>x*x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x&amp;middot;x. Results beyond about 1.797E+308 (|x| above about 1.34E+154) are a floating point overflow.</source>
        <translation>x&amp;middot;x. Les résultats au-delà d&apos;environ 1.797E+308 (|x| supérieur à environ 1.34E+154) sont un dépassement de capacité en virgule flottante.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>x &gt;= 0</source>
        <translation>x &gt;= 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the square root of x, for x &amp;ge; 0. A negative x is an invalid floating point operation.</source>
        <translation>la racine carrée de x, pour x &amp;ge; 0. Un x négatif est une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>absolute value</source>
        <translation>valeur absolue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the absolute value |x|. Any x.</source>
        <translation>la valeur absolue |x|. Tout x.</translation>
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
        <translation>la tangente de x, sin x / cos x. |x| ne doit pas dépasser 2&lt;sup&gt;63&lt;/sup&gt; (9223372036854775808)&#xa0;; au-delà, un échec de la vérification du domaine. Près des multiples impairs de &amp;pi;/2, la valeur est grande mais finie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse tangent, in (-pi/2, pi/2)</source>
        <translation>arc tangente, dans (-pi/2, pi/2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse tangent, any x, in (-&amp;pi;/2, &amp;pi;/2).</source>
        <translation>l&apos;arc tangente, tout x, dans (-&amp;pi;/2, &amp;pi;/2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>base-10 logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-10 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>le logarithme décimal, pour x &amp;gt; 0&#xa0;; sinon un échec de la vérification du domaine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>base-2 logarithm</source>
        <translation>logarithme en base 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the base-2 logarithm, for x &amp;gt; 0; otherwise a domain check failure.</source>
        <translation>le logarithme en base 2, pour x &amp;gt; 0&#xa0;; sinon un échec de la vérification du domaine.</translation>
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
        <translation>la cotangente, 1 / tan x. cot(0) est une division par zéro&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>secant, 1/cos x</source>
        <translation>sécante, 1/cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the secant, 1 / cos x; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>la sécante, 1 / cos x&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cosecant, 1/sin x</source>
        <translation>cosécante, 1/sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the cosecant, 1 / sin x; where sin x is 0 (csc(0)) a domain check failure; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>la cosécante, 1 / sin x&#xa0;; là où sin x vaut 0 (csc(0)), un échec de la vérification du domaine&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
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
        <translation>arc sinus, dans [-pi/2, pi/2]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse sine, for -1 &amp;le; x &amp;le; 1, in [-&amp;pi;/2, &amp;pi;/2]; arcsin(1) is &amp;pi;/2. Outside, a domain check failure.</source>
        <translation>l&apos;arc sinus, pour -1 &amp;le; x &amp;le; 1, dans [-&amp;pi;/2, &amp;pi;/2]&#xa0;; arcsin(1) vaut &amp;pi;/2. En dehors, un échec de la vérification du domaine.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>inverse cosine, in [0, pi]</source>
        <translation>arc cosinus, dans [0, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosine, for -1 &amp;le; x &amp;le; 1, in [0, &amp;pi;]; arccos(-1) is &amp;pi;. Outside, a domain check failure.</source>
        <translation>l&apos;arc cosinus, pour -1 &amp;le; x &amp;le; 1, dans [0, &amp;pi;]&#xa0;; arccos(-1) vaut &amp;pi;. En dehors, un échec de la vérification du domaine.</translation>
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
        <translation>arc cotangente, arctan(1/x)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cotangent, arctan(1/x), for x &amp;ne; 0, in (-&amp;pi;/2, &amp;pi;/2): arccot(-1) is -&amp;pi;/4. arccot(0) is a domain check failure.</source>
        <translation>l&apos;arc cotangente, arctan(1/x), pour x &amp;ne; 0, dans (-&amp;pi;/2, &amp;pi;/2)&#xa0;: arccot(-1) vaut -&amp;pi;/4. arccot(0) est un échec de la vérification du domaine.</translation>
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
        <translation>arc sécante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse secant, arccos(1/x), for |x| &amp;ge; 1, in [0, &amp;pi;]: arcsec(2) is &amp;pi;/3 and arcsec(-2) is 2&amp;pi;/3. For |x| &amp;lt; 1 there is no real value: an invalid floating point operation.</source>
        <translation>l&apos;arc sécante, arccos(1/x), pour |x| &amp;ge; 1, dans [0, &amp;pi;]&#xa0;: arcsec(2) vaut &amp;pi;/3 et arcsec(-2) vaut 2&amp;pi;/3. Pour |x| &amp;lt; 1, il n&apos;y a pas de valeur réelle&#xa0;: une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse cosecant</source>
        <translation>arc cosécante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse cosecant, arcsin(1/x), for |x| &amp;ge; 1, in [-&amp;pi;/2, &amp;pi;/2]: arccsc(1) is &amp;pi;/2 and arccsc(-2) is -&amp;pi;/6. For |x| &amp;lt; 1, an invalid floating point operation.</source>
        <translation>l&apos;arc cosécante, arcsin(1/x), pour |x| &amp;ge; 1, dans [-&amp;pi;/2, &amp;pi;/2]&#xa0;: arccsc(1) vaut &amp;pi;/2 et arccsc(-2) vaut -&amp;pi;/6. Pour |x| &amp;lt; 1, une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+27"/>
        <source>|x| up to about 710.48</source>
        <translation>|x| jusqu&apos;à environ 710.48</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>hyperbolic cosine</source>
        <translation>cosinus hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosine, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, at least 1. Overflows for |x| above about 710.48: cosh(710) is about 1.117E308, cosh(711) fails.</source>
        <translation>le cosinus hyperbolique, (e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;)/2, au moins 1. Dépasse la capacité pour |x| supérieur à environ 710.48&#xa0;: cosh(710) vaut environ 1.117E308, cosh(711) échoue.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic cotangent</source>
        <translation>cotangente hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cotangent, 1 / tanh x, for x &amp;ne; 0; coth(0) is a division by zero. coth(1E-30) is 1E30.</source>
        <translation>la cotangente hyperbolique, 1 / tanh x, pour x &amp;ne; 0&#xa0;; coth(0) est une division par zéro. coth(1E-30) vaut 1E30.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic cosecant</source>
        <translation>cosécante hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic cosecant, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), for x &amp;ne; 0; csch(0) is a domain check failure. csch(1E-30) is 1E30.</source>
        <translation>la cosécante hyperbolique, 2/(e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;), pour x &amp;ne; 0&#xa0;; csch(0) est un échec de la vérification du domaine. csch(1E-30) vaut 1E30.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>hyperbolic secant</source>
        <translation>sécante hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic secant, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), in (0, 1]; quietly 0 far out.</source>
        <translation>la sécante hyperbolique, 2/(e&lt;sup&gt;x&lt;/sup&gt; + e&lt;sup&gt;-x&lt;/sup&gt;), dans (0, 1]&#xa0;; 0 sans erreur loin de l&apos;origine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>hyperbolic sine</source>
        <translation>sinus hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic sine, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Overflows for |x| above about 710.48; accurate also for tiny x (sinh(1E-30) is 1E-30).</source>
        <translation>le sinus hyperbolique, (e&lt;sup&gt;x&lt;/sup&gt; - e&lt;sup&gt;-x&lt;/sup&gt;)/2. Dépasse la capacité pour |x| supérieur à environ 710.48&#xa0;; précis aussi pour les très petits x (sinh(1E-30) vaut 1E-30).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>hyperbolic tangent</source>
        <translation>tangente hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the hyperbolic tangent, in [-1, 1]; exactly 1 or -1 far out (tanh(6000) is 1); accurate for tiny x (tanh(1E-30) is 1E-30).</source>
        <translation>la tangente hyperbolique, dans [-1, 1]&#xa0;; exactement 1 ou -1 loin de l&apos;origine (tanh(6000) vaut 1)&#xa0;; précise pour les très petits x (tanh(1E-30) vaut 1E-30).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>x &gt;= 1</source>
        <translation>x &gt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cosine</source>
        <translation>réciproque du cosinus hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosine, ln(x + &amp;radic;(x&amp;sup2; - 1)), for x &amp;ge; 1, at least 0; arccosh(1) is 0. Below 1, a domain check failure.</source>
        <translation>la réciproque du cosinus hyperbolique, ln(x + &amp;radic;(x&amp;sup2; - 1)), pour x &amp;ge; 1, au moins 0&#xa0;; arccosh(1) vaut 0. En dessous de 1, un échec de la vérification du domaine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>|x| &gt; 1</source>
        <translation>|x| &gt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic cotangent</source>
        <translation>réciproque de la cotangente hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cotangent, &amp;frac12; ln((x + 1)/(x - 1)), for |x| &amp;gt; 1. |x| = 1 is a domain check failure, |x| &amp;lt; 1 an invalid floating point operation.</source>
        <translation>la réciproque de la cotangente hyperbolique, &amp;frac12; ln((x + 1)/(x - 1)), pour |x| &amp;gt; 1. |x| = 1 est un échec de la vérification du domaine, |x| &amp;lt; 1 une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic cosecant</source>
        <translation>réciproque de la cosécante hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic cosecant, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x) with s the sign of x, for x &amp;ne; 0; arccsch(0) is a domain check failure.</source>
        <translation>la réciproque de la cosécante hyperbolique, ln((1 + s&amp;radic;(x&amp;sup2; + 1))/x) où s est le signe de x, pour x &amp;ne; 0&#xa0;; arccsch(0) est un échec de la vérification du domaine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0 &lt; x &lt;= 1</source>
        <translation>0 &lt; x &lt;= 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic secant</source>
        <translation>réciproque de la sécante hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic secant, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), for 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 is a domain check failure, x = 0 a division by zero, -1 &amp;le; x &amp;lt; 0 an invalid floating point operation.</source>
        <translation>la réciproque de la sécante hyperbolique, ln((1 + &amp;radic;(1 - x&amp;sup2;))/x), pour 0 &amp;lt; x &amp;le; 1. |x| &amp;gt; 1 est un échec de la vérification du domaine, x = 0 une division par zéro, -1 &amp;le; x &amp;lt; 0 une opération en virgule flottante invalide.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>inverse hyperbolic sine</source>
        <translation>réciproque du sinus hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic sine, ln(x + &amp;radic;(x&amp;sup2; + 1)), any x. It is odd, arcsinh(-x) = -arcsinh(x), so large negative arguments are as accurate as positive ones.</source>
        <translation>la réciproque du sinus hyperbolique, ln(x + &amp;radic;(x&amp;sup2; + 1)), tout x. Elle est impaire, arcsinh(-x) = -arcsinh(x), si bien que les grands arguments négatifs sont aussi précis que les positifs.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>|x| &lt; 1</source>
        <translation>|x| &lt; 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverse hyperbolic tangent</source>
        <translation>réciproque de la tangente hyperbolique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the inverse hyperbolic tangent, ln(&amp;radic;((1 + x)/(1 - x))), for |x| &amp;lt; 1; arctanh(0.5) is 0.549306144334055. |x| &amp;ge; 1 is a domain check failure.</source>
        <translation>la réciproque de la tangente hyperbolique, ln(&amp;radic;((1 + x)/(1 - x))), pour |x| &amp;lt; 1&#xa0;; arctanh(0.5) vaut 0.549306144334055. |x| &amp;ge; 1 est un échec de la vérification du domaine.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 - sin x</source>
        <translation>1 - sin x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - sin x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - sin x, dans [0, 2]&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec x - 1</source>
        <translation>sec x - 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sec x - 1; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>sec x - 1&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 - cos x)/2</source>
        <translation>(1 - cos x)/2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(1 - cos x) / 2, in [0, 1]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>(1 - cos x) / 2, dans [0, 1]&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 - cos x</source>
        <translation>1 - cos x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 - cos x, in [0, 2]; |x| up to 2&lt;sup&gt;63&lt;/sup&gt;.</source>
        <translation>1 - cos x, dans [0, 2]&#xa0;; |x| jusqu&apos;à 2&lt;sup&gt;63&lt;/sup&gt;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>x &gt; 0; x = 0 and z &gt;= 0; x &lt; 0 and whole z</source>
        <translation>x &gt; 0; x = 0 et z &gt;= 0; x &lt; 0 et z entier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>x raised to the power z</source>
        <translation>x élevé à la puissance z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x raised to the power z. power(x;0) and power(1;z) are 1 (so power(0;0) is 1); power(0;z) is 0 for z &amp;gt; 0 and fails with &quot;Power function: Result is infinite&quot; for z &amp;lt; 0; a negative base needs a whole exponent, otherwise &quot;Power function: Result is complex&quot;: power(-2;3) is -8, power(-2;2) is 4.</source>
        <translation>x élevé à la puissance z. power(x;0) et power(1;z) valent 1 (donc power(0;0) vaut 1)&#xa0;; power(0;z) vaut 0 pour z &amp;gt; 0 et échoue avec «&#xa0;Fonction puissance&#xa0;: résultat infini&#xa0;» pour z &amp;lt; 0&#xa0;; une base négative exige un exposant entier, sinon «&#xa0;Fonction puissance&#xa0;: résultat complexe&#xa0;»&#xa0;: power(-2;3) vaut -8, power(-2;2) vaut 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>any h and v</source>
        <translation>tous h et v</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hypotenuse, sqrt(h*h + v*v)</source>
        <translation>hypoténuse, sqrt(h*h + v*v)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length of the hypotenuse, &amp;radic;(h&amp;sup2; + v&amp;sup2;), computed without squaring large numbers: pythag(3;4) is 5, pythag(1E200;1E200) is about 1.414E200.</source>
        <translation>la longueur de l&apos;hypoténuse, &amp;radic;(h&amp;sup2; + v&amp;sup2;), calculée sans élever de grands nombres au carré&#xa0;: pythag(3;4) vaut 5, pythag(1E200;1E200) vaut environ 1.414E200.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>base &gt; 0, base &lt;&gt; 1, x &gt; 0</source>
        <translation>base &gt; 0, base &lt;&gt; 1, x &gt; 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logarithm of x to the base</source>
        <translation>logarithme de x dans la base donnée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the logarithm of x to the given base: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Needs x &amp;gt; 0, base &amp;gt; 0 and base &amp;ne; 1; otherwise a domain check failure. Example: logbaseN(4;6.25).</source>
        <translation>le logarithme de x dans la base donnée&#xa0;: log&lt;sub&gt;2&lt;/sub&gt;x / log&lt;sub&gt;2&lt;/sub&gt;base. Exige x &amp;gt; 0, base &amp;gt; 0 et base &amp;ne; 1&#xa0;; sinon un échec de la vérification du domaine. Exemple&#xa0;: logbaseN(4;6.25).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>any x and z</source>
        <translation>tous x et z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>angle of the point (z, x), in (-pi, pi]</source>
        <translation>angle du point (z, x), dans (-pi, pi]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the angle of the point (z, x): arctan(x/z) with the quadrant taken from both signs, in (-&amp;pi;, &amp;pi;]. z = 0 is allowed: arctan2(1;0) is &amp;pi;/2, arctan2(0;0) is 0, arctan2(0;-1) is &amp;pi;.</source>
        <translation>l&apos;angle du point (z, x)&#xa0;: arctan(x/z) avec le quadrant déduit des deux signes, dans (-&amp;pi;, &amp;pi;]. z = 0 est permis&#xa0;: arctan2(1;0) vaut &amp;pi;/2, arctan2(0;0) vaut 0, arctan2(0;-1) vaut &amp;pi;.</translation>
    </message>
    <message>
        <location filename="../../mathlib/catalogue.cpp" line="+32"/>
        <source>Algebraic</source>
        <translation>Algébriques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transcendental</source>
        <translation>Transcendantes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigonometric</source>
        <translation>Trigonométriques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other trigonometric</source>
        <translation>Autres trigonométriques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hyperbolic</source>
        <translation>Hyperboliques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other hyperbolic</source>
        <translation>Autres hyperboliques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Miscellaneous</source>
        <translation>Diverses</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <location filename="../../engine/errors.cpp" line="+7"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur à virgule flottante valide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unexpected text after the formula: &apos;%1&apos;</source>
        <translation>Texte inattendu après la formule&#xa0;: &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <location filename="../../engine/errors.h" line="+92"/>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante invalide</translation>
    </message>
    <message>
        <location filename="../../engine/evaluator.cpp" line="+31"/>
        <source>Parse error: Expression too long</source>
        <translation>Erreur de syntaxe&#xa0;: expression trop longue</translation>
    </message>
    <message>
        <location filename="../../engine/parser.cpp" line="+13"/>
        <source>Parse error: Expression nested too deeply</source>
        <translation>Erreur de syntaxe&#xa0;: expression trop profondément imbriquée</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Parse error: &apos;)&apos; expected</source>
        <translation>Erreur de syntaxe&#xa0;: &apos;)&apos; attendue</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Parse error: Factor expected</source>
        <translation>Erreur de syntaxe&#xa0;: facteur attendu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Parse error: Unknown symbol: &apos;%1&apos;</source>
        <translation>Erreur de syntaxe&#xa0;: symbole inconnu&#xa0;: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../../engine/symbols.cpp" line="+12"/>
        <source>Symbol &apos;%1&apos; has no value of its own</source>
        <translation>Le symbole &apos;%1&apos; n&apos;a pas de valeur propre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Parse error: &apos;(&apos; and function&apos;s first parameter expected</source>
        <translation>Erreur de syntaxe&#xa0;: &apos;(&apos; et premier paramètre de la fonction attendus</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Parse error: &apos;;&apos; and another parameter expected</source>
        <translation>Erreur de syntaxe&#xa0;: &apos;;&apos; et un autre paramètre attendus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Parse error: &apos;)&apos; to close function&apos;s parameters expected</source>
        <translation>Erreur de syntaxe&#xa0;: &apos;)&apos; attendue pour fermer les paramètres de la fonction</translation>
    </message>
    <message>
        <location filename="../../mathlib/mathfuncerror.cpp" line="+11"/>
        <location line="+6"/>
        <source>Domain check failure in Kerrowin</source>
        <translation>Échec de la vérification du domaine dans Kerrowin</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Power function: Result is infinite</source>
        <translation>Fonction puissance&#xa0;: résultat infini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power function: Result is complex</source>
        <translation>Fonction puissance&#xa0;: résultat complexe</translation>
    </message>
    <message>
        <location filename="../../session/plotsampling.cpp" line="+115"/>
        <source>The plot range is empty: From must be less than To</source>
        <translation>La plage du tracé est vide&#xa0;: Min doit être inférieur à Max</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A plot needs from %1 to %2 points</source>
        <translation>Un tracé demande de %1 à %2 points</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>The y range is empty: Y from must be less than Y to</source>
        <translation>La plage de y est vide&#xa0;: Y min doit être inférieur à Y max</translation>
    </message>
    <message>
        <location filename="../../session/valuegrid.cpp" line="+63"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 row from there</source>
        <translation>Impossible de coller %1 lignes à partir de %2 vers le bas&#xa0;: la grille n&apos;a que %3 ligne à partir de là</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot paste %1 lines from %2 down: the grid has %3 rows from there</source>
        <translation>Impossible de coller %1 lignes à partir de %2 vers le bas&#xa0;: la grille n&apos;a que %3 lignes à partir de là</translation>
    </message>
    <message>
        <location filename="../../session/calculatorsession.h" line="+193"/>
        <source>Ignored text after the formula: &apos;%1&apos;</source>
        <translation>Texte ignoré après la formule&#xa0;: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <location filename="../fileerrortext.cpp" line="+19"/>
        <source>Cannot open the worksheet &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir la feuille de calcul &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save the worksheet &quot;%1&quot;: %2. %3</source>
        <translation>Impossible d&apos;enregistrer la feuille de calcul &quot;%1&quot;&#xa0;: %2. %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the log &quot;%1&quot;: %2. %3</source>
        <translation>Impossible d&apos;enregistrer le journal &quot;%1&quot;&#xa0;: %2. %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file that was there is unchanged</source>
        <translation>Le fichier qui s&apos;y trouvait est inchangé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nothing was written</source>
        <translation>Rien n&apos;a été écrit</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a Quorvex worksheet</source>
        <translation>ce n&apos;est pas une feuille de calcul Quorvex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a worksheet of version %1, made by a newer Quorvex; this one reads version %2</source>
        <translation>c&apos;est une feuille de calcul de version %1, créée par un Quorvex plus récent&#xa0;; celui-ci lit la version %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is cut short: its last line, &quot;end&quot;, is missing</source>
        <translation>le fichier est tronqué&#xa0;: sa dernière ligne, &quot;end&quot;, manque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is larger than %1 MiB, the most a worksheet may hold</source>
        <translation>le fichier dépasse %1 Mio, le maximum pour une feuille de calcul</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1 is not UTF-8 text</source>
        <translation>la ligne %1 n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown entry &apos;%2&apos;</source>
        <translation>ligne %1&#xa0;: entrée &apos;%2&apos; inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a second &apos;%2&apos; entry</source>
        <translation>ligne %1&#xa0;: une seconde entrée &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: write the entry as %2</source>
        <translation>ligne %1&#xa0;: écrivez l&apos;entrée sous la forme %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: a text has no closing quote</source>
        <translation>ligne %1&#xa0;: un texte n&apos;a pas de guillemet fermant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: unknown escape &apos;%2&apos; (a text knows \\, \&quot;, \t, \n, \r and \xHH)</source>
        <translation>ligne %1&#xa0;: séquence d&apos;échappement &apos;%2&apos; inconnue (un texte admet \\, \&quot;, \t, \n, \r et \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: a control character in a text must be written as an escape (\t, \n, \r or \xHH)</source>
        <translation>ligne %1&#xa0;: un caractère de contrôle dans un texte doit s&apos;écrire comme séquence d&apos;échappement (\t, \n, \r ou \xHH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: the rows shown must be a number from 1 to the number of rows, %2</source>
        <translation>ligne %1&#xa0;: le nombre de lignes affichées doit aller de 1 au nombre de lignes de la grille, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: &apos;%2&apos; cannot be a decimal separator</source>
        <translation>ligne %1&#xa0;: &apos;%2&apos; ne peut pas être un séparateur décimal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1: text after the line &quot;end&quot;</source>
        <translation>ligne %1&#xa0;: du texte après la ligne &quot;end&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the entry &apos;%1&apos; is missing</source>
        <translation>l&apos;entrée &apos;%1&apos; manque</translation>
    </message>
</context>
<context>
    <name>FunctionFailure</name>
    <message>
        <location filename="../../session/functionfailure.cpp" line="+32"/>
        <source>%1: %2; its domain: %3</source>
        <translation>%1&#xa0;: %2&#xa0;; son domaine de définition&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: outside the domain %3</source>
        <translation>%1&#xa0;: en dehors du domaine de définition %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the result is infinite, outside the domain %3</source>
        <translation>%1&#xa0;: le résultat est infini, en dehors du domaine de définition %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the result is complex, outside the domain %3</source>
        <translation>%1&#xa0;: le résultat est complexe, en dehors du domaine de définition %3</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <location filename="../keypad.def" line="+18"/>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neuf</translation>
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
        <translation>Quatre</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Decimal point</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Decimal point: Depending on computer system configuration, it is either &quot;dot&quot; or &quot;comma&quot;.</source>
        <translation>Séparateur décimal&#xa0;: selon la configuration de l&apos;ordinateur, c&apos;est soit le «&#xa0;point&#xa0;», soit la «&#xa0;virgule&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Scientific notation</source>
        <translation>Notation scientifique</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Scientific notation: 2.0E-3 (or 2,0E-3 if computer uses &quot;comma&quot; as decimal separator).</source>
        <translation>Notation scientifique&#xa0;: 2.0E-3 (ou 2,0E-3 si l&apos;ordinateur utilise la «&#xa0;virgule&#xa0;» comme séparateur décimal).</translation>
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
        <translation>Parenthèse ouvrante</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Right parenthesis</source>
        <translation>Parenthèse fermante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unary</source>
        <translation>Unaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The unary &quot;+/-&quot;: If the current selection is either &apos;+&apos; or &apos;-&apos;, replace it with the opposite; etc.</source>
        <translation>Le «&#xa0;+/-&#xa0;» unaire&#xa0;: si la sélection est «&#xa0;+&#xa0;» ou «&#xa0;-&#xa0;», il la remplace par le signe opposé&#xa0;; etc.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Annul.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Appuyez sur Annuler pour défaire toutes les modifications apportées au texte de l&apos;éditeur.</translation>
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
        <translation>Variable «&#xa0;x&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Inverse of x</source>
        <translation>Inverse de x</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Inverse of variable &quot;x&quot;</source>
        <translation>Inverse de la variable «&#xa0;x&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CopyToClipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Utilisez Copier pour remplacer le contenu du presse-papiers par la valeur calculée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PasteFromClipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Utilisez Coller pour remplacer le texte sélectionné par le contenu du presse-papiers.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Suppr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClearSelection</source>
        <translation>Effacer la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Utilisez Supprimer pour effacer le caractère précédent ou le texte sélectionné dans la zone d&apos;édition.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <comment>key caption, about 6 characters fit</comment>
        <translation>Coup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CutToClipboard</source>
        <translation>Couper vers le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Couper supprime le texte sélectionné et le copie aussi dans le presse-papiers. Sans effet si aucun texte n&apos;est sélectionné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compute</source>
        <comment>key caption two keys wide, about 13 characters fit</comment>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evaluate expression</source>
        <translation>Évaluer l&apos;expression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evaluate expression: Press to calculate value for the defined equation.</source>
        <translation>Évaluer l&apos;expression&#xa0;: appuyez pour calculer la valeur de la formule saisie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <location filename="../startoptions.cpp" line="+47"/>
        <source>A worksheet to open, as File &gt; Save Worksheet saves it.</source>
        <translation>Une feuille de calcul à ouvrir, telle que Fichier &gt; Enregistrer la feuille de calcul l&apos;enregistre.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>one worksheet at most, not %1 (the second is &apos;%2&apos;)</source>
        <translation>une feuille de calcul au plus, pas %1 (la deuxième est &apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>VariableList</name>
    <message>
        <location filename="../variablegridview.cpp" line="+74"/>
        <location filename="../../session/variablelist.cpp" line="+65"/>
        <source>Name</source>
        <extracomment>Heading of the grid&apos;s column of variable names, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../session/variablelist.cpp" line="+2"/>
        <source>Value</source>
        <extracomment>Heading of the grid&apos;s column of values, 90 pixels wide; about 14 characters fit</extracomment>
        <translation>Valeur</translation>
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
        <translation>Complétions</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names that complete the one typed</source>
        <translation>Noms qui complètent celui saisi</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaAssistant</name>
    <message>
        <location filename="../formulaassistant.cpp" line="+248"/>
        <source>%1&lt;br&gt;Domain: %2</source>
        <translation>%1&lt;br&gt;Domaine de définition&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, argument %2. Domain: %3</source>
        <translation>%1, argument %2. Domaine de définition&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>quorvex::FormulaHint</name>
    <message>
        <location filename="../formulahint.cpp" line="+12"/>
        <source>Formula hint</source>
        <translation>Indication de formule</translation>
    </message>
</context>
<context>
    <name>quorvex::FunctionsWindow</name>
    <message>
        <location filename="../functionswindow.cpp" line="+55"/>
        <source>Functions and constants</source>
        <translation>Fonctions et constantes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search functions, constants and variables</source>
        <translation>Rechercher des fonctions, constantes et variables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name or description</source>
        <translation>Nom ou description</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Functions, constants and variables</source>
        <translation>Fonctions, constantes et variables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value or domain</source>
        <translation>Valeur ou domaine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert into the formula</source>
        <translation>Insérer dans la formule</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter or a double click inserts the chosen name into the formula.</source>
        <translation>Enter ou un double-clic insère le nom choisi dans la formule.</translation>
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
        <translation>variable déclarée</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotTableModel</name>
    <message>
        <location filename="../plottablemodel.cpp" line="+72"/>
        <source>error</source>
        <extracomment>Heading of the plot table&apos;s column of error messages</extracomment>
        <translation>erreur</translation>
    </message>
</context>
<context>
    <name>quorvex::PlotView</name>
    <message>
        <location filename="../plotview.cpp" line="+307"/>
        <source>%1: %2</source>
        <extracomment>Plot legend entry: %1 is the part of the formula, %2 the error it raised</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Tracé - Quorvex</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Plot</source>
        <translation>Tracé</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Plot</source>
        <comment>the button that draws</comment>
        <translation>Tracer</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Plot and table</source>
        <translation>Tracé et tableau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From</source>
        <translation>Min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Y from</source>
        <translation>Y min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Y to</source>
        <translation>Y max</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Plot</source>
        <translation>&amp;Tracer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Variable</source>
        <translation>&amp;Variable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;From</source>
        <translation>&amp;Min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;To</source>
        <translation>Ma&amp;x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Po&amp;ints</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Y from</source>
        <translation>&amp;Y min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Y t&amp;o</source>
        <translation>Y m&amp;ax</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Plot of F</source>
        <translation>Tracé de F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a variable and a range, then press Plot.</source>
        <extracomment>Shown in the empty plot; &quot;Plot&quot; is the button</extracomment>
        <translation>Choisissez une variable et une plage, puis appuyez sur Tracer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Value under the pointer</source>
        <translation>Valeur sous le pointeur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;NG...</source>
        <translation>Exporter en P&amp;NG...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export &amp;SVG...</source>
        <translation>Exporter en &amp;SVG...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as SVG</source>
        <translation>Exporter en SVG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the plot as an image</source>
        <translation>Copier le tracé comme image</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Points of the plot</source>
        <translation>Points du tracé</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy &amp;as CSV</source>
        <translation>Copier &amp;en CSV</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the table as CSV</source>
        <translation>Copier le tableau en CSV</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>No variable to plot over: declare one in the Assign box.</source>
        <extracomment>Shown in the empty plot; &quot;Assign&quot; is the main window&apos;s box of variable names</extracomment>
        <translation>Aucune variable selon laquelle tracer&#xa0;: déclarez-en une dans la zone Affecter.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>A picture of %1 x %2 pixels is larger than %3 pixels a side</source>
        <translation>Une image de %1 x %2 pixels dépasse %3 pixels de côté</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A picture of %1 x %2 pixels is too large for the memory available</source>
        <translation>Une image de %1 x %2 pixels est trop grande pour la mémoire disponible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the image file &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire le fichier image &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export plot as PNG</source>
        <translation>Exporter le tracé en PNG</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Width (pixels)</source>
        <translation>&amp;Largeur (pixels)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Height (pixels)</source>
        <translation>&amp;Hauteur (pixels)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot write the SVG file &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire le fichier SVG &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export plot as %1</source>
        <extracomment>File dialog title; %1 is the kind of file, PNG or SVG</extracomment>
        <translation>Exporter le tracé en %1</translation>
    </message>
</context>
<context>
    <name>quorvex::ResultFormatMenu</name>
    <message>
        <location filename="../resultformatmenu.cpp" line="+32"/>
        <source>&amp;Decimals (%1 to %2):</source>
        <translation>&amp;Décimales (%1 à %2)&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Significant digits (%1 to %2):</source>
        <translation>&amp;Chiffres significatifs (%1 à %2)&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Result format</source>
        <translation>&amp;Format du résultat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose how the result box writes the result.</source>
        <translation>Choisir comment la zone de résultat écrit le résultat.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Significant digits, in fixed notation while the number fits them.</source>
        <translation>Chiffres significatifs, en notation fixe tant que le nombre y tient.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits, one before the decimal separator, and an exponent.</source>
        <translation>Chiffres significatifs, un avant le séparateur décimal, et un exposant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Significant digits and an exponent that is a multiple of three.</source>
        <translation>Chiffres significatifs et un exposant multiple de trois.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A fixed number of decimals; from 1E21 on, scientific notation.</source>
        <translation>Un nombre fixe de décimales&#xa0;; à partir de 1E21, la notation scientifique.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The fewest digits that read back as the same number.</source>
        <translation>Le moins de chiffres possible qui redonnent le même nombre à la relecture.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every digit of the number&apos;s binary value.</source>
        <translation>Tous les chiffres de la valeur binaire du nombre.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;All formats...</source>
        <translation>&amp;Tous les formats...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List the last result in every format.</source>
        <translation>Afficher le dernier résultat dans tous les formats.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Scientific</source>
        <translation>&amp;Scientifique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Engineering</source>
        <translation>&amp;Ingénieur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fixed</source>
        <translation>&amp;Fixe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;hortest</source>
        <translation>Le plus &amp;court</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xact</source>
        <translation>&amp;Exact</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>He&amp;xadecimal</source>
        <translation>&amp;Hexadécimal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>1 decimal</source>
        <translation>1 décimale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 decimals</source>
        <translation>%1 décimales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 digit</source>
        <translation>1 chiffre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 digits</source>
        <translation>%1 chiffres</translation>
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
        <translation>Résultat dans tous les formats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Text of the chosen format</source>
        <translation>Texte du format choisi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quorvex::TAboutForm</name>
    <message>
        <location filename="../aboutwindow.cpp" line="+37"/>
        <source>About Quorvex</source>
        <translation>À propos de Quorvex</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>version %1</source>
        <extracomment>About window, after the product name; with the version number about 16 characters fit</extracomment>
        <translation>version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quorvex developers</source>
        <extracomment>About window line; about 40 characters fit</extracomment>
        <translation>Écrit par les développeurs de Quorvex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Made to support learning and everyday calculation</source>
        <extracomment>About window line; about 60 characters fit</extracomment>
        <translation>Conçu pour l&apos;apprentissage et le calcul au quotidien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Project homepage:</source>
        <extracomment>About window line, above the homepage&apos;s address; about 60 characters fit</extracomment>
        <translation>Page d&apos;accueil du projet&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Free Calculation</source>
        <extracomment>About window, in large bold type in a 287-pixel frame; about 24 characters fit</extracomment>
        <translation>Calcul libre</translation>
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
        <translation>Calculatrice polyvalente - Quorvex</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+108"/>
        <source>Print the report of calculation session.</source>
        <translation>Imprimer le compte rendu de la session de calcul.</translation>
    </message>
    <message>
        <location line="-103"/>
        <location line="+96"/>
        <source>About Quorvex program.</source>
        <translation>À propos du programme Quorvex.</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+96"/>
        <source>Documentation that provides guide for the usage of Quorvex.</source>
        <translation>Documentation qui explique comment utiliser Quorvex.</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Exit: End the calculation session.</source>
        <translation>Quitter&#xa0;: terminer la session de calcul.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Select to view the toobar.</source>
        <translation>Cochez pour afficher la barre d&apos;outils.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select to view the statusbar.</source>
        <translation>Cochez pour afficher la barre d&apos;état.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>&amp;Preference</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Display intermediate result for printing.</source>
        <translation>Afficher le résultat intermédiaire pour l&apos;impression.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Display all-session results for printing.</source>
        <translation>Afficher tous les résultats de la session pour l&apos;impression.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Plot the formula over a range of one of its variables.</source>
        <translation>Tracer la formule sur une plage de l&apos;une de ses variables.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find the functions, constants and variables a formula can use, and insert them.</source>
        <translation>Trouver les fonctions, constantes et variables qu&apos;une formule peut utiliser, et les insérer.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit: End the calculation session.</source>
        <translation>Quitter&#xa0;: terminer la session de calcul.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut deletes selected text and also copies it to the clipboard. Nothing if no text is selected.</source>
        <translation>Couper supprime le texte sélectionné et le copie aussi dans le presse-papiers. Sans effet si aucun texte n&apos;est sélectionné.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Copy to replace the contents of the Clipboard with calculated value.</source>
        <translation>Utilisez Copier pour remplacer le contenu du presse-papiers par la valeur calculée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Paste to replace the selected text with the contents of the Clipboard.</source>
        <translation>Utilisez Coller pour remplacer le texte sélectionné par le contenu du presse-papiers.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Undo to cancel all changes made to the text property in the editor.</source>
        <translation>Appuyez sur Annuler pour défaire toutes les modifications apportées au texte de l&apos;éditeur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use Delete to backspace or delete selected text from the edit control.</source>
        <translation>Utilisez Supprimer pour effacer le caractère précédent ou le texte sélectionné dans la zone d&apos;édition.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Formula  =</source>
        <extracomment>Label left of the formula box; about 10 characters fit before the main window widens</extracomment>
        <translation>Formule  =</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Formula edit-box</source>
        <translation>Zone de saisie de la formule</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Formula edit-box: Enter a formula into editor</source>
        <translation>Zone de saisie de la formule&#xa0;: saisissez une formule</translation>
    </message>
    <message>
        <location line="-175"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statusbar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show hints</source>
        <translation>&amp;Afficher les indications</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate result</source>
        <translation>&amp;Résultat intermédiaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;All session results</source>
        <translation>&amp;Tous les résultats de la session</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Plot...</source>
        <translation>&amp;Tracer...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Functions and constants...</source>
        <translation>&amp;Fonctions et constantes...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 Shortcut: %2</source>
        <comment>a key&apos;s description, then its shortcut key</comment>
        <translation>%1 Raccourci : %2</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Formula</source>
        <translation>Formule</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable quantity</source>
        <translation>Nombre de variables</translation>
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
        <translation>Affecter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>User-defined variables</source>
        <translation>Variables définies par l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User-defined variables: Use semicolon as list-separator</source>
        <translation>Variables définies par l&apos;utilisateur&#xa0;: séparez-les par des points-virgules</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Variables and values</source>
        <translation>Variables et valeurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting</source>
        <translation>Grille des valeurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid setting: Assign values for the variables</source>
        <translation>Grille des valeurs&#xa0;: affectez des valeurs aux variables</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Result</source>
        <extracomment>Group title; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computed value</source>
        <translation>Valeur calculée</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Buttons</source>
        <extracomment>Group title of the keypad; the group is about 220 pixels wide, about 30 characters fit</extracomment>
        <translation>Boutons</translation>
    </message>
    <message>
        <location filename="../mainwindow_worksheet.cpp" line="+51"/>
        <source>Quorvex worksheets (*.%1)</source>
        <translation>Feuilles de calcul Quorvex (*.%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+61"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>&amp;Open Worksheet...</source>
        <translation>&amp;Ouvrir une feuille de calcul...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a saved worksheet: its formula, variables and values.</source>
        <translation>Ouvrir une feuille de calcul enregistrée&#xa0;: sa formule, ses variables et leurs valeurs.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Worksheet...</source>
        <translation>&amp;Enregistrer la feuille de calcul...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the formula, the variables and their values as a worksheet.</source>
        <translation>Enregistrer la formule, les variables et leurs valeurs comme feuille de calcul.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;Log...</source>
        <translation>Enregistrer le &amp;journal...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the report of calculation session as a text file.</source>
        <translation>Enregistrer le compte rendu de la session de calcul comme fichier texte.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open Worksheet</source>
        <translation>Ouvrir une feuille de calcul</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save Worksheet</source>
        <translation>Enregistrer la feuille de calcul</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Saved the worksheet %1</source>
        <translation>Feuille de calcul %1 enregistrée</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved the log %1</source>
        <translation>Journal %1 enregistré</translation>
    </message>
</context>
<context>
    <name>quorvex::THelperForm</name>
    <message>
        <location filename="../documentationwindow.cpp" line="+29"/>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Find in the documentation</source>
        <translation>Rechercher dans la documentation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <extracomment>Placeholder of the find field, 200 pixels wide</extracomment>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>quorvex::TTextPrintForm</name>
    <message>
        <location filename="../printreportwindow.cpp" line="+46"/>
        <source>Print report</source>
        <translation>Impression du compte rendu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Report</source>
        <translation>Compte rendu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Printer &amp;Setup</source>
        <extracomment>Button in a column 90 pixels wide; about 14 characters fit before the window widens</extracomment>
        <translation>Im&amp;primante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est actuellement sélectionnée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create the file %1: %2</source>
        <translation>Impossible de créer le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The printer refused the print job</source>
        <translation>L&apos;imprimante a refusé la tâche d&apos;impression</translation>
    </message>
</context>
</TS>
