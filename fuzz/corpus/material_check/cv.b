 1: 2	CV	in what city did Agabus speak boldly? Perga
 1: 3	CV	which city did Agabus visit after Galilee? Tarsus
 1: 6	CV	what did Apollos see in Caesarea? Tongues of fire
 1: 7	CV	whom did Barnabas meet in Rome? Priscilla
 1: 8	CV	why did Felix receive the Holy Spirit? To bring relief to the brothers
 1: 9	CV	when did Aquila write a letter to the churches? After three days
 1:10	CV	who preached the word in Thessalonica? The jailer
 1:11	CV	in what city did Philip give thanks and break bread? Berea
 1:13	CV	why did Gamaliel stay many days? To strengthen the disciples
 1:15	CV	during which feast did Timothy stay many days? During the night
 1:16	CV	what did Silas see in Derbe? The resurrection of the dead
 2: 2	CV	who set sail in Iconium? The elders
 2: 6	CV	what did the centurion give to Saul? The resurrection of the dead
 2: 8	CV	when did Felix go up to the temple to pray? On the Sabbath
 2: 9	CV	against whom did Agabus speak in Cyprus? The jailer
 2:10	CV	over which church did Aquila watch in Corinth? Derbe
 2:11	CV	is it true that Ananias received the Holy Spirit in Troas? No, James saw a vision
 2:12	CV	which disciple wrote a letter to the churches? Gamaliel
 2:13	CV	is it true that Barnabas raised Tabitha from the dead in Cyprus? Yes
 2:14	CV	who raised Tabitha from the dead in Philippi? Timothy
 2:15	CV	to whom did Saul speak in Antioch? Ananias
 2:19	CV	who healed a lame man in Joppa? Matthias
 2:20	CV	why did Aeneas fall into a trance? To strengthen the disciples
 2:21	CV	why did Barnabas go to Rome? Because they were afraid
 2:24	CV	is it true that Festus healed a lame man in Athens? Yes
 2:25	CV	can you name the one who wrote a letter to the churches? Paul
 2:25	CV	to whom did Crispus speak in Derbe? Philip
 2:26	CV	which city did Timothy visit after Puteoli? Perga
 2:30	CV	who brought the money to the apostles in Berea? Tabitha
 2:35	CV	can you name the one who baptized the new believers? Felix
 2:36	CV	who went up to the temple to pray in Troas? Matthias
 2:38	CV	did Saul appoint elders in Puteoli? Yes
 2:42	CV	who healed a lame man in Lydda? Priscilla
 2:44	CV	by what power did Paul lay hands on the disciples? Through prayer
 2:45	CV	against whom did Crispus speak in Ephesus? Ananias
 3: 6	CV	where did Apollos sell a field? Lydda
 3: 8	CV	among whom did Silas stay in Galilee? Philip
 3: 8	CV	in what city did Saul appoint elders? Samaria
 3:10	CV	how did Barnabas sell a field? With many tears
 3:10	CV	why did Cornelius go to Cyprus? Because of a plot against him
