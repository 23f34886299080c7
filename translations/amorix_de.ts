<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>amorix::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
</context>
<context>
    <name>amorix::BrandBanner</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Versieh dieses Programm mit deiner eigenen Marke: mehr Stammpublikum und Zugriffe für deine Website. Dann stehen hier Name und Link deiner Website. Siehe „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründe dein eigenes Internetgeschäft und verdiene online Geld. Hol dir dieses Programm ganz unter deiner Marke. Hier klicken für mehr.</translation>
    </message>
</context>
<context>
    <name>amorix::InputArea</name>
    <message>
        <source>Let QX Amorix tell you more about your relationship. Just enter your partner&apos;s and your date of birth and know more about your love prospects!</source>
        <translation>Lass dir von QX Amorix mehr über eure Beziehung sagen. Gib einfach eure beiden Geburtsdaten ein und erfahre mehr über eure Liebesaussichten!</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Deine Angaben</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Angaben zur Person an deiner Seite</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>Meine Deutung &amp;anzeigen</translation>
    </message>
</context>
<context>
    <name>amorix::Interpretations</name>
    <message>
        <source>You tend to show off your partners to your friends. You are persistent and forceful when you set out to win a partner, and you rarely give up. You are fun and exciting company, and you give your partner no rest at all.</source>
        <translation>Vor deinem Freundeskreis gibst du gern mit deinen Eroberungen an. Wenn du jemanden für dich gewinnen willst, bist du hartnäckig und energisch, und du gibst selten auf. Mit dir ist es lustig und aufregend, und du lässt dem Menschen an deiner Seite keine Minute Ruhe.</translation>
    </message>
    <message>
        <source>You will find it difficult to remain in any relationship. It is hard for you to find the right person and even harder to settle down with one. Yet love and romance matter a great deal to you, and you spend many hours in fantasy about the partners that the future may bring to you.</source>
        <translation>Es fällt dir schwer, in einer Beziehung zu bleiben. Den richtigen Menschen zu finden ist für dich schwer, dich fest zu binden noch schwerer. Doch Liebe und Romantik bedeuten dir viel, und du träumst oft stundenlang von den Menschen, die dir die Zukunft bringen mag.</translation>
    </message>
    <message>
        <source>You will be the dominating half in your relationship. You believe in a solid commitment and you want a partner who listens to you and shares both your happiness and your grief. You find it hard to speak first about your feelings, so let your partner know what is in your heart.</source>
        <translation>Du wirst die bestimmende Hälfte eurer Beziehung sein. Du glaubst an eine feste Bindung und wünschst dir einen Menschen, der dir zuhört und Freude wie Kummer mit dir teilt. Es fällt dir schwer, den ersten Schritt zu tun und über deine Gefühle zu sprechen – also lass den Menschen an deiner Seite wissen, was in dir vorgeht.</translation>
    </message>
    <message>
        <source>You will be very serious about your relationships. You are the kind of person who marries a high-school sweetheart. You should be more forthcoming in your search for love. You are dependable and loyal to your partner, and you expect the very same loyalty in return.</source>
        <translation>Du nimmst deine Beziehungen sehr ernst. Du gehörst zu den Menschen, die ihre Jugendliebe heiraten. Bei der Suche nach der Liebe solltest du offener auf andere zugehen. Du bist verlässlich und treu und erwartest vom Menschen an deiner Seite dieselbe Treue.</translation>
    </message>
    <message>
        <source>You are very jovial and happy by nature. You love to please your partner and to keep them happy, and you are lucky in love. But you may break a heart without a second thought, because you take life as one long party and you don&apos;t always see the hurt you leave behind you.</source>
        <translation>Du bist von Natur aus fröhlich und gut gelaunt. Du machst dem Menschen an deiner Seite gern eine Freude und hast Glück in der Liebe. Doch du brichst vielleicht ein Herz, ohne lange nachzudenken, denn für dich ist das Leben ein einziges Fest, und den Schmerz, den du hinterlässt, siehst du nicht immer.</translation>
    </message>
    <message>
        <source>You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. You want attractive partners, because you see them as a reflection of yourself. Your reputation matters to you, and you choose your partner with care.</source>
        <translation>Gefühlsduselei und Romantik liegen dir nicht. Du bist höflich und ruhig, und das Aussehen ist dir wichtig. Du wünschst dir attraktive Menschen an deiner Seite, denn du siehst in ihnen ein Spiegelbild deiner selbst. Dein Ruf liegt dir am Herzen, und du wählst mit Bedacht, wen du liebst.</translation>
    </message>
    <message>
        <source>You will be loving and romantic. You pamper your partner with roses and gifts, and you are an understanding partner. But take care not to appear aloof or stuffy to your loved one.</source>
        <translation>Du bist liebevoll und romantisch. Du verwöhnst den Menschen an deiner Seite mit Rosen und Geschenken und bist voller Verständnis. Pass aber auf, dass du auf den Menschen, den du liebst, nicht distanziert oder steif wirkst.</translation>
    </message>
    <message>
        <source>You will be generous and loving. You love wholeheartedly and you take your relationship seriously. You treat your partners to the finest things that you can afford, and you enjoy seeing them happy with you.</source>
        <translation>Du bist großzügig und liebevoll. Du liebst von ganzem Herzen und nimmst deine Beziehung ernst. Du gönnst dem Menschen an deiner Seite das Beste, was du dir leisten kannst, und es macht dich froh, wenn ihr miteinander glücklich seid.</translation>
    </message>
    <message>
        <source>You will go all out to conquer your partner&apos;s heart. You have a big ego, but you are lovable all the same. You will have many relationships before you find your true love.</source>
        <translation>Du setzt alles daran, das Herz des Menschen zu erobern, den du liebst. Du hast ein großes Ego, bist aber trotzdem liebenswert. Du wirst viele Beziehungen haben, bevor du deine wahre Liebe findest.</translation>
    </message>
    <message>
        <source>You may have many arguments but you will stick to each other through the worst phases of your life. Others may envy your loyalty and try to break you up. Stand up for each other, hold no grudges and learn to forgive, and your bond will only grow stronger over the years.</source>
        <translation>Ihr streitet vielleicht oft, doch ihr haltet auch in den schwersten Zeiten eures Lebens zusammen. Andere beneiden euch vielleicht um eure Treue und versuchen, euch auseinanderzubringen. Steht füreinander ein, seid nicht nachtragend und lernt zu verzeihen, dann wird euer Band mit den Jahren nur stärker.</translation>
    </message>
    <message>
        <source>People will think that you both are the perfect couple. But a lasting relationship needs a strong foundation, and yours will need compromise and adjustment from both of you. Talk your problems out before they grow too big to handle. With much love and understanding on both sides, you can truly become the perfect couple that others see in you.</source>
        <translation>Alle werden euch für das perfekte Paar halten. Doch eine dauerhafte Beziehung braucht ein festes Fundament, und eure verlangt Kompromisse und Anpassung von euch beiden. Sprecht Probleme aus, bevor sie zu groß werden. Mit viel Liebe und Verständnis auf beiden Seiten könnt ihr wirklich das perfekte Paar werden, das andere in euch sehen.</translation>
    </message>
    <message>
        <source>You both tend to spend too much of money on shopping. Your life together is full of drama and activity. You love socializing, and life is a never-ending party for the two of you. But take care that you do not end up in debt, or the party may end sooner than you think.</source>
        <translation>Ihr gebt beide gern zu viel Geld beim Einkaufen aus. Euer gemeinsames Leben ist voller Trubel und Abwechslung. Ihr seid gern unter Leuten, und das Leben ist für euch beide ein Fest ohne Ende. Passt aber auf, dass ihr keine Schulden macht, sonst ist das Fest schneller vorbei, als ihr denkt.</translation>
    </message>
    <message>
        <source>This combination will be based on love and security. You have a good mutual understanding. Your different natures may cause anger at times, but both of you will work hard to make this relationship last for a lifetime.</source>
        <translation>Diese Verbindung beruht auf Liebe und Geborgenheit. Ihr versteht euch gut. Eure unterschiedlichen Charaktere sorgen manchmal für Ärger, doch ihr arbeitet beide hart daran, dass diese Beziehung ein Leben lang hält.</translation>
    </message>
    <message>
        <source>This relationship is based on absolute fun and frolic. You will discover new things, new interests and new hobbies together. This keeps your relationship fresh and exciting, and the excitement will last through the years.</source>
        <translation>Diese Beziehung lebt von Spaß und Ausgelassenheit. Gemeinsam entdeckt ihr Neues, neue Interessen und neue Hobbys. Das hält eure Beziehung frisch und aufregend, und der Reiz bleibt über die Jahre erhalten.</translation>
    </message>
    <message>
        <source>This relationship has all the excitement of a storybook romance. There are many changes ahead of you, but you are made for each other. Others see your relationship as an ideal match, and it is one that will last for many years.</source>
        <translation>Diese Beziehung hat den ganzen Zauber einer Liebe wie im Märchen. Viele Veränderungen liegen vor euch, doch ihr seid füreinander geschaffen. Andere sehen in euch das ideale Paar, und eure Liebe wird viele Jahre halten.</translation>
    </message>
    <message>
        <source>Pleasure and affluence are ready to be showered in your lives. Do not make decisions for your partner; instead, try to match your thoughts and feelings. Ups and downs belong to life, so do not let them shake you. Your friends will be your support in hard times. Keep trying new things in your married life, and your love will stay young.</source>
        <translation>Freude und Wohlstand stehen euch ins Haus. Trefft keine Entscheidungen füreinander, sondern bringt eure Gedanken und Gefühle in Einklang. Höhen und Tiefen gehören zum Leben, lasst euch davon nicht erschüttern. In schweren Zeiten hält euer Freundeskreis zu euch. Probiert in eurer Ehe immer wieder Neues aus, dann bleibt eure Liebe jung.</translation>
    </message>
    <message>
        <source>You are quite attuned to each other and one of the best matches. Your relationship has stability and understanding. Together you will learn to appreciate the finer things in life, hand in hand.</source>
        <translation>Ihr seid auf einer Wellenlänge und passt besonders gut zusammen. Eure Beziehung ist stabil und voller Verständnis. Gemeinsam lernt ihr, Hand in Hand, die schönen Dinge des Lebens zu schätzen.</translation>
    </message>
    <message>
        <source>There are possible difficulties because of your different temperaments. But a little effort from both of you makes it work. Your relationship lasts if each of you respects the other’s solitude, and it doesn’t mean losing your times of togetherness. With care, the bond won’t break.</source>
        <translation>Eure unterschiedlichen Temperamente können zu Schwierigkeiten führen. Doch mit ein wenig Mühe von euch beiden klappt es. Eure Beziehung hält, wenn ihr einander Zeit für euch allein lasst – ohne dass ihr eure gemeinsamen Zeiten verliert. Wenn ihr achtsam seid, hält euer Band.</translation>
    </message>
    <message>
        <source>This number shows the positive and negative traits of your personality, your hidden talents and your future romance.</source>
        <translation>Diese Zahl zeigt die positiven und negativen Seiten deiner Persönlichkeit, deine verborgenen Talente und deine künftige Liebe.</translation>
    </message>
</context>
<context>
    <name>amorix::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>Meine Deutung &amp;anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Besuch uns im &amp;Web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>amorix::PersonDetails</name>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Dein Geburtsmonat</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Tag deiner Geburt</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Dein Geburtsjahr</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Name der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Geburtsmonat der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Tag der Geburt der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Geburtsjahr der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Geboren</translation>
    </message>
</context>
<context>
    <name>amorix::ReadingView</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>My Love Numerology Result</source>
        <translation>Mein Ergebnis</translation>
    </message>
    <message>
        <source>My Partner&apos;s Love Numerology Result</source>
        <translation>Ergebnis der Person an meiner Seite</translation>
    </message>
    <message>
        <source>Love Number</source>
        <translation>Liebeszahl</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Dein Geburtsdatum</translation>
    </message>
    <message>
        <source>Your birth number</source>
        <translation>Deine Geburtszahl</translation>
    </message>
    <message>
        <source>Your significance</source>
        <translation>Bedeutung deiner Zahl</translation>
    </message>
    <message>
        <source>Your interpretation</source>
        <translation>Deine Deutung</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Name der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Partner&apos;s date of birth</source>
        <translation>Geburtsdatum der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Partner&apos;s birth number</source>
        <translation>Geburtszahl der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Partner&apos;s significance</source>
        <translation>Bedeutung der Zahl der Person an deiner Seite</translation>
    </message>
    <message>
        <source>Partner&apos;s interpretation</source>
        <translation>Deutung für die Person an deiner Seite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>Geburtszahl</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Love number</source>
        <translation>Liebeszahl</translation>
    </message>
    <message>
        <source>Love interpretation</source>
        <translation>Deutung der Liebeszahl</translation>
    </message>
</context>
<context>
    <name>amorix::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;empfehlen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf kein Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>amorix::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Für dieses Programm gibt es vielleicht ein Update.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchtest du nach Updates suchen?</translation>
    </message>
</context>
<context>
    <name>amorix::frmAbout</name>
    <message>
        <source>QX Amorix gives you a better view about the nature of your relationship with your  partner based on birth number calculations.</source>
        <translation>QX Amorix zeigt dir anhand von Geburtszahlen, wie es um deine Beziehung steht.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuche %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründe dein eigenes Internetgeschäft und verdiene online Geld. Hol dir dieses Programm ganz unter deiner Marke.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>amorix::frmExitScreen</name>
    <message>
        <source>Velmora Softwares, such as this can be created and maintained only with your support. The best way to support Velmora Board is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programme wie dieses gibt es nur mit deiner Unterstützung. Am besten unterstützt du Velmora, indem du Velmora regelmäßig besuchst und bei den Diskussionen und anderen Aktivitäten mitmachst.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Besuche Velmora regelmäßig. Unterstütze Velmora, indem du bei den Diskussionen und anderen Aktivitäten mitmachst. Ohne deine regelmäßigen Besuche können diese Programme nicht gepflegt werden</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora ist ein KOSTENLOSES Online-Forum für alles Mystische. Um Velmora zu helfen, dieses Programm zu pflegen und weiterzuentwickeln, besuche Velmora regelmäßig.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmora Softwares.</source>
        <translation>Velmora braucht deine Hilfe. Besuche Velmora einfach regelmäßig und mach bei den Diskussionen und Aktivitäten mit, damit wir weitere Velmora-Programme pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult.</source>
        <translation>Wenn dir dieses Programm gefallen hat, interessieren dich sicher auch unsere anderen Velmora-Programme. Velmora ist eine der weltweit größten Quellen für Programme zu Astrologie, Hellsehen, Tarot, Numerologie und Okkultismus.</translation>
    </message>
    <message>
        <source>All the programs in the Velmora Softwares suite are simple and easy to use. They are fun and informative at the same time. Try them out and share the experience with your friends and family.</source>
        <translation>Alle Velmora-Programme sind einfach zu bedienen. Sie machen Spaß und sind zugleich lehrreich. Probier sie aus und teile die Erfahrung mit deinem Freundeskreis und deiner Familie.</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Now</source>
        <translation>Jetzt Velmora besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Mehr Velmora-Programme</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Velmora-Programme ansehen</translation>
    </message>
</context>
<context>
    <name>amorix::frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Velmora Now</source>
        <translation>Das beliebteste Online-Forum für Mystik. Die beste Quelle für alles Mystische. Besuche jetzt Velmora</translation>
    </message>
</context>
<context>
    <name>amorix::modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Kontakts</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Kontakts ein</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse deines Kontakts</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Kontakts ein</translation>
    </message>
    <message>
        <source>The request is too long to send. Please shorten the names or email addresses.</source>
        <translation>Die Anfrage ist zu lang zum Senden. Bitte kürze die Namen oder E-Mail-Adressen.</translation>
    </message>
</context>
<context>
    <name>amorix::reading</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Bitte gib den Namen der Person an deiner Seite ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. Two messages on purpose: this one without a space before &quot;!&quot;, the one for a 30-day month with one; translate both alike.</extracomment>
        <translation>Bitte wähle einen gültigen Tag oder Monat!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. Two messages on purpose: this one with a space before &quot;!&quot;, the one for February without; translate both alike.</extracomment>
        <translation>Bitte wähle einen gültigen Tag oder Monat!</translation>
    </message>
    <message>
        <source>1</source>
        <comment>the first day of a month in a date: French 1er, Portuguese 1º</comment>
        <translation>1</translation>
    </message>
</context>
</TS>
