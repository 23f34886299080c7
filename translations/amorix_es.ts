<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>amorix::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está abierto</translation>
    </message>
</context>
<context>
    <name>amorix::BrandBanner</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Pon tu marca en este programa y consigue para tu sitio más visitas y más fieles: aquí aparecerán el nombre y el enlace de tu sitio. Consulta la «Ayuda». Más sobre el co-branding, aquí.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio. Haz clic aquí para saber más.</translation>
    </message>
</context>
<context>
    <name>amorix::InputArea</name>
    <message>
        <source>Let QX Amorix tell you more about your relationship. Just enter your partner&apos;s and your date of birth and know more about your love prospects!</source>
        <translation>Deja que QX Amorix te cuente más sobre tu relación. ¡Indica tu fecha de nacimiento y la de tu pareja y descubre más sobre vuestro futuro en el amor!</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Tus datos</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Datos de tu pareja</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Obtener mi lectura Amorix</translation>
    </message>
</context>
<context>
    <name>amorix::Interpretations</name>
    <message>
        <source>You tend to show off your partners to your friends. You are persistent and forceful when you set out to win a partner, and you rarely give up. You are fun and exciting company, and you give your partner no rest at all.</source>
        <translation>Te gusta presumir de tus parejas ante tus amistades. Cuando te propones conquistar a alguien, pones constancia y energía, y rara vez te rindes. Eres una compañía divertida y emocionante, y no le das ni un momento de descanso a tu pareja.</translation>
    </message>
    <message>
        <source>You will find it difficult to remain in any relationship. It is hard for you to find the right person and even harder to settle down with one. Yet love and romance matter a great deal to you, and you spend many hours in fantasy about the partners that the future may bring to you.</source>
        <translation>Te cuesta mantenerte en una relación. Te resulta difícil encontrar a la persona adecuada y aún más comprometerte con ella. Aun así, el amor y el romance te importan mucho, y pasas horas fantaseando con las parejas que pueda traerte el futuro.</translation>
    </message>
    <message>
        <source>You will be the dominating half in your relationship. You believe in a solid commitment and you want a partner who listens to you and shares both your happiness and your grief. You find it hard to speak first about your feelings, so let your partner know what is in your heart.</source>
        <translation>Serás la mitad dominante de tu relación. Crees en un compromiso sólido y buscas una pareja que te escuche y comparta contigo tanto la alegría como la pena. Te cuesta hablar primero de tus sentimientos, así que deja que tu pareja sepa lo que llevas en el corazón.</translation>
    </message>
    <message>
        <source>You will be very serious about your relationships. You are the kind of person who marries a high-school sweetheart. You should be more forthcoming in your search for love. You are dependable and loyal to your partner, and you expect the very same loyalty in return.</source>
        <translation>Te tomas muy en serio tus relaciones. Eres de las personas que se casan con su amor de juventud. En tu búsqueda del amor, deberías abrirte más. Eres una persona fiable y leal con tu pareja, y esperas de ella la misma lealtad.</translation>
    </message>
    <message>
        <source>You are very jovial and happy by nature. You love to please your partner and to keep them happy, and you are lucky in love. But you may break a heart without a second thought, because you take life as one long party and you don&apos;t always see the hurt you leave behind you.</source>
        <translation>Eres alegre y feliz por naturaleza. Te encanta complacer a tu pareja y hacerla feliz, y tienes suerte en el amor. Pero puedes romper un corazón sin pensarlo dos veces, porque vives la vida como una gran fiesta y no siempre ves el daño que dejas atrás.</translation>
    </message>
    <message>
        <source>You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. You want attractive partners, because you see them as a reflection of yourself. Your reputation matters to you, and you choose your partner with care.</source>
        <translation>Lo empalagoso y lo romántico no van contigo. Tienes buenos modales y un carácter tranquilo, y el aspecto te importa mucho. Buscas parejas atractivas porque ves en ellas un reflejo de ti. Te importa tu reputación y eliges a tu pareja con cuidado.</translation>
    </message>
    <message>
        <source>You will be loving and romantic. You pamper your partner with roses and gifts, and you are an understanding partner. But take care not to appear aloof or stuffy to your loved one.</source>
        <translation>Eres una persona cariñosa y romántica. Mimas a tu pareja con rosas y regalos, y sabes comprenderla. Pero procura no dar una imagen distante ni rígida ante la persona que amas.</translation>
    </message>
    <message>
        <source>You will be generous and loving. You love wholeheartedly and you take your relationship seriously. You treat your partners to the finest things that you can afford, and you enjoy seeing them happy with you.</source>
        <translation>Eres una persona generosa y cariñosa. Amas de todo corazón y te tomas en serio tu relación. Regalas a tu pareja lo mejor que puedes permitirte y disfrutas viéndola feliz a tu lado.</translation>
    </message>
    <message>
        <source>You will go all out to conquer your partner&apos;s heart. You have a big ego, but you are lovable all the same. You will have many relationships before you find your true love.</source>
        <translation>Lo darás todo por conquistar el corazón de tu pareja. Tienes un gran ego, pero aun así eres adorable. Tendrás muchas relaciones antes de encontrar tu verdadero amor.</translation>
    </message>
    <message>
        <source>You may have many arguments but you will stick to each other through the worst phases of your life. Others may envy your loyalty and try to break you up. Stand up for each other, hold no grudges and learn to forgive, and your bond will only grow stronger over the years.</source>
        <translation>Quizá discutáis a menudo, pero no os separaréis ni en las peores etapas de vuestra vida. Hay quien puede envidiar vuestra lealtad e intentar separaros. Apoyaos mutuamente, no guardéis rencor y aprended a perdonar, y vuestro vínculo se hará más fuerte con los años.</translation>
    </message>
    <message>
        <source>People will think that you both are the perfect couple. But a lasting relationship needs a strong foundation, and yours will need compromise and adjustment from both of you. Talk your problems out before they grow too big to handle. With much love and understanding on both sides, you can truly become the perfect couple that others see in you.</source>
        <translation>La gente pensará que sois la pareja perfecta. Pero una relación duradera necesita una base sólida, y la vuestra exigirá concesiones por ambas partes. Hablad de vuestros problemas antes de que se hagan demasiado grandes. Con mucho amor y comprensión por ambas partes, podéis llegar a ser la pareja perfecta que la gente ve en vuestra relación.</translation>
    </message>
    <message>
        <source>You both tend to spend too much of money on shopping. Your life together is full of drama and activity. You love socializing, and life is a never-ending party for the two of you. But take care that you do not end up in debt, or the party may end sooner than you think.</source>
        <translation>Tendéis a gastar demasiado dinero en compras. Vuestra vida en común está llena de emociones y actividad. Os encanta la vida social, y vuestra vida es una fiesta sin fin. Pero cuidado con acabar con deudas, o la fiesta terminará antes de lo que pensáis.</translation>
    </message>
    <message>
        <source>This combination will be based on love and security. You have a good mutual understanding. Your different natures may cause anger at times, but both of you will work hard to make this relationship last for a lifetime.</source>
        <translation>Esta combinación se basa en el amor y la seguridad. Os entendéis bien. Vuestros caracteres distintos pueden causar enfados a veces, pero os esforzaréis para que esta relación dure toda la vida.</translation>
    </message>
    <message>
        <source>This relationship is based on absolute fun and frolic. You will discover new things, new interests and new hobbies together. This keeps your relationship fresh and exciting, and the excitement will last through the years.</source>
        <translation>Esta relación se basa en la diversión y la alegría. Descubriréis en pareja cosas nuevas, nuevos intereses y nuevas aficiones. Eso mantiene vuestra relación fresca y emocionante, y la emoción durará con los años.</translation>
    </message>
    <message>
        <source>This relationship has all the excitement of a storybook romance. There are many changes ahead of you, but you are made for each other. Others see your relationship as an ideal match, and it is one that will last for many years.</source>
        <translation>Esta relación tiene toda la emoción de un amor de cuento. Os esperan muchos cambios, pero sois tal para cual. Quienes os rodean ven en vosotros la pareja ideal, y vuestro amor durará muchos años.</translation>
    </message>
    <message>
        <source>Pleasure and affluence are ready to be showered in your lives. Do not make decisions for your partner; instead, try to match your thoughts and feelings. Ups and downs belong to life, so do not let them shake you. Your friends will be your support in hard times. Keep trying new things in your married life, and your love will stay young.</source>
        <translation>El placer y la prosperidad están a punto de llover sobre vuestras vidas. No decidáis nada por la otra persona; intentad más bien armonizar vuestros pensamientos y sentimientos. Los altibajos forman parte de la vida, así que no dejéis que os afecten. Vuestras amistades os apoyarán en los momentos difíciles. Seguid probando cosas nuevas en vuestro matrimonio y vuestro amor seguirá joven.</translation>
    </message>
    <message>
        <source>You are quite attuned to each other and one of the best matches. Your relationship has stability and understanding. Together you will learn to appreciate the finer things in life, hand in hand.</source>
        <translation>Os compenetráis muy bien y formáis una de las mejores parejas. Vuestra relación tiene estabilidad y comprensión. De la mano, aprenderéis a apreciar lo mejor de la vida.</translation>
    </message>
    <message>
        <source>There are possible difficulties because of your different temperaments. But a little effort from both of you makes it work. Your relationship lasts if each of you respects the other’s solitude, and it doesn’t mean losing your times of togetherness. With care, the bond won’t break.</source>
        <translation>Vuestros temperamentos distintos pueden traer dificultades. Pero con un poco de esfuerzo por ambas partes, funciona. Vuestra relación durará si cada cual respeta la soledad de la otra persona, sin perder por ello vuestros momentos en común. Con cuidado, el vínculo no se romperá.</translation>
    </message>
    <message>
        <source>This number shows the positive and negative traits of your personality, your hidden talents and your future romance.</source>
        <translation>Este número muestra los rasgos positivos y negativos de tu personalidad, tus talentos ocultos y tu futuro amoroso.</translation>
    </message>
</context>
<context>
    <name>amorix::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Obtener mi lectura Amorix</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
</context>
<context>
    <name>amorix::PersonDetails</name>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Tu mes de nacimiento</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Tu día de nacimiento</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Tu año de nacimiento</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nombre de tu pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mes de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Día de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Año de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Nacimiento</translation>
    </message>
</context>
<context>
    <name>amorix::ReadingView</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>My Love Numerology Result</source>
        <translation>Mi resultado</translation>
    </message>
    <message>
        <source>My Partner&apos;s Love Numerology Result</source>
        <translation>Resultado de mi pareja</translation>
    </message>
    <message>
        <source>Love Number</source>
        <translation>Número del amor</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Tu fecha de nacimiento</translation>
    </message>
    <message>
        <source>Your birth number</source>
        <translation>Tu número de nacimiento</translation>
    </message>
    <message>
        <source>Your significance</source>
        <translation>Significado de tu número</translation>
    </message>
    <message>
        <source>Your interpretation</source>
        <translation>Tu interpretación</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Nombre de tu pareja</translation>
    </message>
    <message>
        <source>Partner&apos;s date of birth</source>
        <translation>Fecha de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Partner&apos;s birth number</source>
        <translation>Número de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Partner&apos;s significance</source>
        <translation>Significado del número de tu pareja</translation>
    </message>
    <message>
        <source>Partner&apos;s interpretation</source>
        <translation>Interpretación para tu pareja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>Número de nacimiento</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Love number</source>
        <translation>Número del amor</translation>
    </message>
    <message>
        <source>Love interpretation</source>
        <translation>Interpretación del número del amor</translation>
    </message>
</context>
<context>
    <name>amorix::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndalo a alguien</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>amorix::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización de este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>amorix::frmAbout</name>
    <message>
        <source>QX Amorix gives you a better view about the nature of your relationship with your  partner based on birth number calculations.</source>
        <translation>QX Amorix te ayuda a entender mejor tu relación con tu pareja a partir de los números de nacimiento.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Saber más</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>amorix::frmExitScreen</name>
    <message>
        <source>Velmora Softwares, such as this can be created and maintained only with your support. The best way to support Velmora Board is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este solo existen gracias a tu apoyo. La mejor forma de apoyar a Velmora es visitar Velmora a menudo y participar en los debates y las demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visita Velmora a menudo. Apoya a Velmora participando en los debates y otras actividades. Sin tus visitas frecuentes a Velmora no podemos mantener estos programas</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora es un foro en línea GRATUITO sobre todo lo místico. Para ayudar a Velmora a desarrollar y mantener este programa, visita Velmora a menudo.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmora Softwares.</source>
        <translation>Velmora necesita tu ayuda. Solo tienes que visitar Velmora a menudo y participar en los debates y actividades para ayudarnos a mantener y crear más programas de Velmora.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás programas de Velmora. Velmora es una de las mayores fuentes del mundo de programas de astrología, videncia, tarot, numerología y ocultismo.</translation>
    </message>
    <message>
        <source>All the programs in the Velmora Softwares suite are simple and easy to use. They are fun and informative at the same time. Try them out and share the experience with your friends and family.</source>
        <translation>Todos los programas de Velmora son sencillos y fáciles de usar. Son divertidos e instructivos a la vez. Pruébalos y comparte la experiencia con tus amistades y tu familia.</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Now</source>
        <translation>Visita Velmora ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Descarga programas de Velmora</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Ver los programas de Velmora</translation>
    </message>
</context>
<context>
    <name>amorix::frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Velmora Now</source>
        <translation>El foro místico más popular de Internet. El mejor recurso para todo lo místico. Visita Velmora ahora</translation>
    </message>
</context>
<context>
    <name>amorix::modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de quien lo recibe</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de quien lo recibe</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de quien lo recibe</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo de quien lo recibe</translation>
    </message>
    <message>
        <source>The request is too long to send. Please shorten the names or email addresses.</source>
        <translation>La solicitud es demasiado larga para enviarla. Acorta los nombres o las direcciones de correo.</translation>
    </message>
</context>
<context>
    <name>amorix::reading</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Escribe el nombre de tu pareja</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. Two messages on purpose: this one without a space before &quot;!&quot;, the one for a 30-day month with one; translate both alike.</extracomment>
        <translation>¡Elige un día o un mes válidos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. Two messages on purpose: this one with a space before &quot;!&quot;, the one for February without; translate both alike.</extracomment>
        <translation>¡Elige un día o un mes válidos!</translation>
    </message>
    <message>
        <source>1</source>
        <comment>the first day of a month in a date: French 1er, Portuguese 1º</comment>
        <translation>1</translation>
    </message>
</context>
</TS>
