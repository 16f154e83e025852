 1: 2	CO	what did Aquila see in Ephesus? The Holy Spirit
 1: 4	CO	before whom did Peter stand in Iconium? Gamaliel
 1: 7	CO	quote what Aquila said to Sergius Paulus. "The brothers appointed elders."
 1: 8	CO	about what did Philip argue with the high priest? A viper
 1:13	CO	what did the council give to Timothy? The word of God
 1:18	CO	whoever calls on the name of the Lord shall be what? The law of Moses
 1:20	CO	in whose name did James stay many days? With many tears
 1:25	CO	according to Barnabas, who went up to the temple to pray? Silas
 2: 2	CO	on what day did Aeneas bring the money to the apostles? At the sixth hour
 2: 3	CO	according to Gamaliel, who went up to the temple to pray? Apollos
 2:10	CO	how did Apollos go up to the temple to pray? With many tears
 2:14	CO	whatever the council decided, what did Sosthenes do? With many tears
 2:19	CO	name the city where Felix stayed many days. To Antioch
 2:23	CO	in what city did Silas strengthen the churches? Tyre
 2:24	CO	where did Sosthenes see a vision? Corinth
 2:25	CO	who raised Tabitha from the dead in Athens? Philip
 2:27	CO	because of a sheet full of animals, what did Stephen do? In the name of Jesus
 2:30	CO	which city did Mark visit after Troas? Cyprus
 2:33	CO	what did Sosthenes see in Damascus? A sheet full of animals
 2:36	CO	will Philip return to Rome? Yes
 2:40	CO	who set sail in Lystra? Felix
 2:41	CO	how many days did Cornelius stay in Berea? Three
 2:44	CO	about what did Peter argue with the Ethiopian official? The Scriptures
 2:45	CO	whose house did Mark stay at in Galilee? Stephen
 3: 3	CO	where did Silas heal a lame man? To Troas
 3: 5	CO	who healed a lame man in Malta? Matthias
 3: 6	CO	what did King Agrippa give to Crispus? The law of Moses
 3: 7	CO	whom did Felix meet in Antioch? John
 3: 8	CO	from whom did Cornelius receive a sheet full of animals? Paul
 3:11	CO	explain why Sosthenes went to Athens. To preach the gospel
 3:17	CO	with whom did Crispus travel to Tyre? Sergius Paulus
 3:19	CO	where did Jason baptize the new believers? Miletus
 3:20	CO	what did King Agrippa give to Mark? Bread
 3:22	CO	over which church did Peter watch in Galilee? Lystra
 3:24	CO	what did the jailer give to Crispus? The resurrection of the dead
13: 5	CO	who appointed elders in Derbe? The elders
13: 7	CO	because of the Scriptures, what did Felix do? By faith in his name
13: 9	CO	did Matthias see a vision in Tyre? No, the apostles spoke boldly
13:11	CO	in what city did Apollos sell a field? To Tarsus
13:12	CO	upon whom did the Holy Spirit fall in Lydda? Saul
